// Dropping a custom light's picture: the replaced file must stay while the light's other logic
// or any other widget still names it (deleting it would break that widget's image), even when
// another page holds a widget of the same id; and the image codes the light and key panes send
// must name the image the record will show.
#include <gtest/gtest.h>

#include "model/LightPictures.h"
#include "model/PictureFiles.h"

namespace zorv {
namespace {

LedRecord lightNaming(std::string_view positive, std::string_view negative) {
    LedRecord r = LedRecord::makeDefault();
    r.setPictureName(0, positive);
    r.setPictureName(1, negative);
    return r;
}

LedRecord at(LedRecord r, uint16_t x, uint16_t y) {
    r.setX(x);
    r.setY(y);
    return r;
}

// A project with pages 1 and 2, each holding a light with id 1: page 1's at (0, 0) names
// old.bmp, page 2's at (40, 8) names nothing.
struct TwoPages {
    CHCData project;
    CPage* first;
    CPage* second;
    TwoPages() {
        first = project.addPage(1, PlaceMode::Insert);
        second = project.addPage(2, PlaceMode::Insert);
        first->addWidget("Led")->set(lightNaming("pic\\old.bmp", ""));
        second->addWidget("Led")->set(at(lightNaming("", ""), 40, 8));
    }
};

TEST(DroppedLightPicture, StaysWhileTheOtherLogicNamesIt) {
    const LedRecord light = lightNaming("pic\\new.bmp", "PIC/Old.bmp");
    EXPECT_TRUE(droppedLightPictureStays(nullptr, light, 0, "pic\\old.bmp", 1));
    EXPECT_FALSE(
        droppedLightPictureStays(nullptr, lightNaming("pic\\new.bmp", ""), 0, "pic\\old.bmp", 1));
}

TEST(DroppedLightPicture, TheLightsOwnStoredRecordDoesNotKeepIt) {
    TwoPages p;
    // Light 1 of page 1 drops old.bmp; page 2's light 1 names nothing.
    EXPECT_FALSE(droppedLightPictureStays(&p.project, lightNaming("pic\\new.bmp", ""), 0,
                                          "pic\\old.bmp", 1));
}

TEST(DroppedLightPicture, AnotherWidgetKeepsItWhicheverPageTheLightIsOn) {
    TwoPages p;
    PictureRecord picture;
    picture.setPictureName("pic\\old.bmp");
    p.second->addWidget("Picture")->set(picture);
    EXPECT_TRUE(droppedLightPictureStays(&p.project, lightNaming("pic\\new.bmp", ""), 0,
                                         "pic\\old.bmp", 1));
}

TEST(DroppedLightPicture, ALightOfTheSameIdOnAnotherPageKeepsIt) {
    TwoPages p;
    p.second->findWidget(1)->set(at(lightNaming("", "pic\\old.bmp"), 40, 8));
    EXPECT_TRUE(droppedLightPictureStays(&p.project, lightNaming("pic\\new.bmp", ""), 0,
                                         "pic\\old.bmp", 1));
}

TEST(DroppedLightPicture, LightsOfOneIdAtOnePlaceOnTwoPagesKeepItWhenInDoubt) {
    TwoPages p;
    p.second->findWidget(1)->set(lightNaming("", ""));
    // Page 1's light or page 2's: the one that is not edited may name the file.
    EXPECT_TRUE(droppedLightPictureStays(&p.project, lightNaming("pic\\new.bmp", ""), 0,
                                         "pic\\old.bmp", 1));
}

TEST(DroppedLightPicture, AWidgetNotYetStoredChecksTheWholeProject) {
    TwoPages p;
    EXPECT_TRUE(droppedLightPictureStays(&p.project, lightNaming("", ""), 0, "pic\\old.bmp", 9));
    EXPECT_FALSE(droppedLightPictureStays(&p.project, lightNaming("", ""), 0, "pic\\gone.bmp", 9));
}

} // namespace
} // namespace zorv
