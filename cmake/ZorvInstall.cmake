# cmake --install: programs in bin/, the program-folder resources and the demo project in
# share/zorveditor/, and the desktop's launcher, project file type and icons.
set(programs zorveditor zorv zorv-panel-sim FontMaker)
foreach(program ${programs})
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION bin)
    endif()
endforeach()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/program/ DESTINATION share/zorveditor)
if(TARGET demo_project)
    install(FILES ${ZORV_PROGRAM_DIR}/demo.zvd DESTINATION share/zorveditor)
endif()

set(desktop ${PROJECT_SOURCE_DIR}/data/desktop)
install(FILES ${desktop}/zorveditor.desktop DESTINATION share/applications)
install(FILES ${desktop}/zorveditor-mime.xml DESTINATION share/mime/packages
    RENAME zorveditor.xml)
foreach(size 16 32 48 64 128 256)
    install(FILES ${desktop}/icons/zorveditor-${size}.png
        DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME zorveditor.png)
    install(FILES ${desktop}/icons/application-x-zorv-project-${size}.png
        DESTINATION share/icons/hicolor/${size}x${size}/mimetypes
        RENAME application-x-zorv-project.png)
endforeach()
install(FILES ${desktop}/icons/zorveditor.svg DESTINATION share/icons/hicolor/scalable/apps)
install(FILES ${desktop}/icons/application-x-zorv-project.svg
    DESTINATION share/icons/hicolor/scalable/mimetypes)
