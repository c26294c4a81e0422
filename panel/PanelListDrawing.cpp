#include "panel/PanelListDrawing.h"

#include <algorithm>

#include "model/DisplayAttributes.h"
#include "model/records/AlarmListRecord.h"
#include "model/records/MenuRecord.h"
#include "model/records/PasswordRecord.h"
#include "panel/PanelAlarms.h"
#include "panel/PanelGlyphs.h"
#include "panel/PanelTextBlock.h"

namespace zorv::panel {

namespace {

// Rows of texts from (x, y) down, each 16 pixels high.
void drawRows(PanelPicture& picture, const sim::ImageDescription& image,
              const std::vector<const sim::ImageString*>& texts, int x, int y) {
    for (std::size_t r = 0; r < texts.size(); ++r)
        drawText(picture, image, texts[r]->chars, x, y + int(r) * kLineHeight, 1);
}

// The texts of the alarms that are on, at most `rows` of them; the no-alarm text when none is.
using Entries = std::vector<const sim::ImageString*>;
Entries alarmRows(const Entries& entries, const AlarmSource& source, int rows,
                  const PanelRegisters& registers) {
    std::vector<const sim::ImageString*> texts;
    for (const int k : activeAlarms(source, registers)) {
        if (int(texts.size()) == rows)
            break;
        if (std::size_t(k) < entries.size())
            texts.push_back(entries[std::size_t(k)]);
    }
    if (texts.empty() && !entries.empty())
        texts.push_back(entries.front());
    return texts;
}

} // namespace

MenuRows menuRows(const sim::ImageWidget& widget, int cursor) {
    const int rows = std::max<int>(HeadBytes(widget).u8(MenuRecord::kRowsOff), kMinRows);
    return {rows, cursor / rows * rows};
}

void drawMenu(const DrawContext& c, const sim::ImageWidget& w, int language) {
    const int cursor = c.screen.cursorOf(c.position);
    const MenuRows shown = menuRows(w, cursor);
    int widest = 0;
    for (const auto& item : w.choices)
        widest = std::max(widest, textWidth(item.text[language].chars, 1));
    std::vector<const sim::ImageString*> texts;
    for (int i = shown.first; i < shown.first + shown.rows && i < int(w.choices.size()); ++i)
        texts.push_back(&w.choices[std::size_t(i)].text[language]);
    drawRows(c.picture, c.image.description(), texts, w.x, w.y);
    if (c.screen.menuFocus == c.position && cursor < int(w.choices.size()))
        c.picture.invert(w.x, w.y + (cursor - shown.first) * kLineHeight, widest, kLineHeight);
}

void drawAlarmList(const DrawContext& c, const sim::ImageWidget& w, int language) {
    Entries entries;
    for (const auto& choice : w.choices)
        entries.push_back(&choice.text[language]);
    const int rows = std::max<int>(HeadBytes(w).u8(AlarmListRecord::kRowsOff), kMinRows);
    drawRows(c.picture, c.image.description(),
             alarmRows(entries, widgetAlarms(w), rows, c.registers), w.x, w.y);
}

void drawAlarmScreen(PanelPicture& picture, const PanelImage& image, int language,
                     const PanelRegisters& registers) {
    Entries entries;
    for (const auto& text :
         image.description().alarms.entries[image.languages() == 2 ? language : 0])
        entries.push_back(&text);
    drawRows(picture, image.description(),
             alarmRows(entries, systemAlarms(image), kAlarmScreenRows, registers), 0, 0);
}

void drawPassword(const DrawContext& c, const sim::ImageWidget& w) {
    const auto r = headRecord<PasswordRecord>(w);
    std::string cells(std::size_t(kPasswordCells), kPasswordFree);
    std::fill_n(cells.begin(), std::min<std::size_t>(c.screen.password.size(), cells.size()),
                kPasswordTyped);
    drawTextBlock(c.picture, c.image.description(), asciiChars(cells),
                  {w.x, w.y, 1, uint8_t(r.inverted() ? attr::kInverted : 0), 0});
}

} // namespace zorv::panel
