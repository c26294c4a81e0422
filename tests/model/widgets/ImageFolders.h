#pragma once
// A program folder and a project folder in a fresh temporary folder, holding image files whose
// content is their size ("24 18"); the loader of `bitmaps` turns that content into a blank
// bitmap of that size and lists every path it loads.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/widgets/WidgetBitmaps.h"
#include "tests/TestFolder.h"

class ImageFolders : public testing::Test {
protected:
    void SetUp() override {
        root = zorv::test::freshTestFolder("zorv_widgets_");
        std::filesystem::create_directories(program() / "icon2");
        std::filesystem::create_directories(project() / "pic");
        bitmaps.setProgramFolder(program());
        bitmaps.setProjectFolder(project());
    }
    void TearDown() override { std::filesystem::remove_all(root); }

    std::filesystem::path program() const { return root / "program"; }
    std::filesystem::path project() const { return root / "project"; }

    static void writeImage(const std::filesystem::path& path, int width, int height) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << width << ' ' << height;
    }
    void icon(const std::string& name, int width, int height) {
        writeImage(program() / "icon2" / name, width, height);
    }

    std::filesystem::path root;
    std::vector<std::filesystem::path> loaded;
    zorv::WidgetBitmaps bitmaps{[this](const std::filesystem::path& path) {
        loaded.push_back(path);
        std::ifstream in(path);
        int w = 0, h = 0;
        in >> w >> h;
        return std::optional<oonedraw::GBitmap>(oonedraw::GBitmap(w, h));
    }};
};
