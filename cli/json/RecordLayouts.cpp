#include "cli/json/RecordLayouts.h"

#include "model/CPage.h"
#include "model/DisplayAttributes.h"
#include "model/ProjectHeader.h"
#include "model/WidgetRecords.h"

namespace zorv::json {

namespace {

constexpr Field number(const char* name, uint16_t off, uint8_t width, uint32_t mask = ~0u) {
    return {name, FieldType::Number, off, width, mask};
}
constexpr Field quiet(Field f) {
    f.quiet = true;
    return f;
}
constexpr Field flag(const char* name, uint16_t off, uint8_t bit) {
    return {name, FieldType::Flag, off, 1, bit};
}
constexpr Field flagValue(const char* name, uint16_t off, uint8_t width) {
    return {name, FieldType::FlagValue, off, width};
}
constexpr Field choice(const char* name, uint16_t off, uint8_t width, uint32_t mask,
                       std::span<const ChoiceName> names) {
    return {name, FieldType::Choice, off, width, mask, 0, 0, names};
}
constexpr Field reg(const char* name, uint16_t typeOff, uint16_t addressOff) {
    return {name, FieldType::Register, typeOff, 1, ~0u, addressOff};
}
constexpr Field scale(const char* name, uint16_t off, uint8_t width, uint16_t signOff,
                      uint8_t signBit) {
    return {name, FieldType::Scale, off, width, ~0u, signOff, signBit};
}
constexpr Field bytes(const char* name, uint16_t off, uint8_t len) {
    return {name, FieldType::Bytes, off, len};
}
constexpr Field covered(uint16_t off, uint8_t len, uint32_t mask = ~0u) {
    return {"", FieldType::Covered, off, len, mask};
}

// Byte 0 repeats the kind; x and y are the top-left corner in display pixels.
#define ZORV_WIDGET_COMMON quiet(number("kindByte", 0, 1)), number("x", 2, 2), number("y", 4, 2)
// The display attribute bits of texts.
#define ZORV_ATTRIBUTES(off)                                                                       \
    flag("inverted", off, attr::kInverted), flag("border", off, attr::kBorder),                    \
        flag("virtual", off, attr::kVirtual), flag("flashing", off, attr::kFlashing),              \
        flag("doubleSize", off, attr::kDoubleSize)

template <std::size_t N> constexpr RecordLayout layout(std::size_t stored, const Field (&f)[N]) {
    return {stored, std::span<const Field>(f, N)};
}

using H = ProjectHeader;
constexpr Field kHeaderFields[] = {
    covered(H::kSignatureOff, 8),
    covered(H::kFormatOff, 4),
    number("headerByte32", H::kHeaderByte32Off, 1),
    number("headerByte33", 33, 1),
    number("headerWord34", H::kHeaderWord34Off, 2),
    number("displayWidth", H::kDisplayWidthOff, 2),
    number("displayHeight", H::kDisplayHeightOff, 2),
    number("setControlStation", H::kSetControlRegOff, 1),
    reg("setControlRegister", H::kSetControlRegOff + 1, H::kSetControlRegOff + 2),
    number("passwordLevelStation", H::kPasswordLevelRegOff, 1),
    reg("passwordLevelRegister", H::kPasswordLevelRegOff + 1, H::kPasswordLevelRegOff + 2),
    number("pageControlStation", H::kPageControlRegOff, 1),
    reg("pageControlRegister", H::kPageControlRegOff + 1, H::kPageControlRegOff + 2),
    number("currentPageStation", H::kCurrentPageRegOff, 1),
    reg("currentPageRegister", H::kCurrentPageRegOff + 1, H::kCurrentPageRegOff + 2),
    number("languageStation", H::kLanguageRegOff, 1),
    reg("languageRegister", H::kLanguageRegOff + 1, H::kLanguageRegOff + 2),
    flag("autoTransPage", H::kFlagsOff, sysflag::kAutoTransPage),
    flag("reportCurrentPage", H::kFlagsOff, sysflag::kReportCurrentPage),
    flag("registerSetControl", H::kFlagsOff, sysflag::kRegisterSetControl),
    flag("autoAlarmPage", H::kFlagsOff, sysflag::kAutoAlarmPage),
    flag("multiLanguage", H::kFlagsOff, sysflag::kMultiLanguage),
    flag("reportPasswordLevel", H::kFlagsOff, sysflag::kReportPasswordLevel),
    flag("backlightOff", H::kFlagsOff, sysflag::kBacklightOff),
    flag("screenProtection", H::kFlagsOff, sysflag::kScreenProtection),
    number("screenProtectDelay", H::kScreenProtectDelayOff, 2),
    number("backlightDelay", H::kBacklightDelayOff, 2),
    number("startPage", H::kStartPageOff, 2),
    number("defaultPage", H::kDefaultPageOff, 2),
    number("screenSaverPage", H::kScreenSaverPageOff, 2),
    number("alarmPage", H::kAlarmPageOff, 2),
    covered(H::kPageCountOff, 2), // the number of pages
    number("userGlyphBase", H::kUserGlyphBaseOff, 2),
    quiet(bytes("sectionOffsets", H::kSectionOffsetsOff, H::kSectionOffsetsSize)),
    number("passwordLevels", H::kPasswordLevelsOff, 4),
    number("headerByte117", H::kByte117Off, 1),
};

constexpr Field kPageHeadFields[] = {
    covered(PageHead::kNumberOff, 2), // the page's "number"
    quiet(bytes("headBytes", 2, 5)),
    number("upPage", PageHead::kUpPageOff, 2),
    number("downPage", PageHead::kDownPageOff, 2),
    quiet(number("tableOffset", PageHead::kTableOffsetOff, 2)),
    quiet(number("headWidgetCount", PageHead::kWidgetCountOff, 1)),
    number("displayLevel", PageHead::kLevelOff, 1),
};

using A = AlarmListRecord;
constexpr Field kAlarmFields[] = {
    ZORV_WIDGET_COMMON,
    number("marker", A::kMarkerOff, 1),
    number("station", A::kStationOff, 1),
    reg("register", A::kTypeOff, A::kStartOff),
    covered(A::kEntryCountOff, 2), // the number of "entries"
    number("rows", A::kRowsOff, 1),
    quiet(number("tableOffset", 14, 2)),
    number("buzzer", A::kBuzzerOff, 1),
    number("duration", A::kDurationOff, 2),
};

using L = LedRecord;
constexpr ChoiceName kLedDisplayTypes[] = {
    {L::Round, "round"}, {L::Square, "square"}, {L::Custom, "custom"}};
constexpr Field kLedFields[] = {
    ZORV_WIDGET_COMMON,
    flag("negativeLogic", L::kFlagsOff, L::kNegativeLogic),
    flag("customPictures", L::kFlagsOff, L::kCustomPictures),
    flag("doubleSize", L::kFlagsOff, L::kDoubleSize),
    number("station", L::kStationOff, 1),
    reg("register", L::kTypeOff, L::kAddressOff),
    choice("displayType", L::kDisplayTypeOff, 2, 3, kLedDisplayTypes),
    number("positiveWidth", L::kPosWidthOff, 2),
    number("positiveHeight", L::kPosHeightOff, 2),
    number("negativeWidth", L::kNegWidthOff, 2),
    number("negativeHeight", L::kNegHeightOff, 2),
};

using R = RegisterRecord;
constexpr Field kRegisterFields[] = {
    ZORV_WIDGET_COMMON,
    number("station", R::kStationOff, 1),
    reg("register", R::kTypeOff, R::kAddressOff),
    number("registerCount", R::kCountOff, 1),
    flagValue("relation", R::kRelationOff, 1),
    number("setMask", R::kSetMaskOff, 1),
    number("digits", R::kDigitsOff, 1, 0xF0),
    number("decimals", R::kDigitsOff, 1, 0x0F),
    flag("inverted", R::kSizeOff, R::kSizeInverted),
    flag("doubleSize", R::kSizeOff, R::kSizeDouble),
    flag("signed", R::kOptionsOff, R::kSigned),
    flag("hexBcd", R::kOptionsOff, R::kHexBcd),
    flag("engineering", R::kOptionsOff, R::kEngineering),
    flag("inputLimit", R::kOptionsOff, R::kInputLimit),
    flag("encrypted", R::kOptionsOff, R::kEncrypted),
    flag("settable", R::kOptionsOff, R::kSettable),
    // The bound bits and bytes are shown as "upperBound" and "lowerBound".
    covered(R::kOptionsOff, 1, R::kLowerFromRegister | R::kUpperFromRegister),
    {"relatedAddress", FieldType::Number, R::kRelatedAddressOff, 2, ~0u, 0, 0, {}, true},
};

using DT = DynamicTextRecord;
constexpr Field kDynamicTextFields[] = {
    ZORV_WIDGET_COMMON,
    number("station", DT::kStationOff, 1),
    reg("register", DT::kTypeOff, DT::kAddressOff),
    ZORV_ATTRIBUTES(DT::kAttributesOff),
    covered(DT::kCountOff, 1), // the number of "states"
};

using B = BarRecord;
constexpr ChoiceName kBarDirections[] = {
    {B::Up, "up"}, {B::Down, "down"}, {B::Left, "left"}, {B::Right, "right"}};
constexpr Field kBarFields[] = {
    ZORV_WIDGET_COMMON,
    number("station", B::kStationOff, 1),
    reg("register", B::kTypeOff, B::kAddressOff),
    number("registerCount", B::kCountOff, 1),
    flag("signed", B::kNumberFlagsOff, numflags::kSigned),
    flag("hexBcd", B::kNumberFlagsOff, numflags::kHexBcd),
    number("width", B::kWidthOff, 2),
    number("height", B::kHeightOff, 2),
    choice("direction", B::kDirectionOff, 2, 0xFFFF, kBarDirections),
    scale("fullScale", B::kFullScaleOff, 4, B::kNumberFlagsOff, numflags::kSigned),
    scale("zeroScale", B::kZeroScaleOff, 4, B::kNumberFlagsOff, numflags::kSigned),
};

using T = TrendRecord;
constexpr Field kTrendFields[] = {
    ZORV_WIDGET_COMMON,
    number("width", T::kWidthOff, 2),
    number("height", T::kHeightOff, 2),
    number("station", T::kStationOff, 1),
    reg("register", T::kTypeOff, T::kAddressOff),
    number("registerCount", T::kCountOff, 1),
    flag("signed", T::kNumberFlagsOff, numflags::kSigned),
    flag("hexBcd", T::kNumberFlagsOff, numflags::kHexBcd),
    number("interval", T::kIntervalOff, 2),
    number("depth", T::kDepthOff, 2),
    number("chartWidth", T::kChartWidthOff, 2),
    number("dotPitch", T::kDotPitchOff, 1),
    scale("fullScale", T::kFullScaleOff, 4, T::kNumberFlagsOff, numflags::kSigned),
    scale("zeroScale", T::kZeroScaleOff, 4, T::kNumberFlagsOff, numflags::kSigned),
};

using MN = MenuRecord;
constexpr ChoiceName kMenuModes[] = {{MN::kModePageJump, "pageJump"},
                                     {MN::kModeRegisterSetting, "registerSetting"}};
constexpr Field kMenuFields[] = {
    ZORV_WIDGET_COMMON,
    number("station", MN::kStationOff, 1),
    reg("register", MN::kTypeOff, MN::kAddressOff),
    number("registerLength", MN::kRegisterLengthOff, 1),
    covered(MN::kCountOff, 1), // the number of "items"
    number("rows", MN::kRowsOff, 1),
    choice("mode", MN::kModeOff, 1, 0xFF, kMenuModes),
};

using P = PasswordRecord;
constexpr ChoiceName kPasswordModes[] = {{P::Lock, "lock"},
                                         {P::Comparison, "comparison"},
                                         {P::Temporary, "temporary"},
                                         {P::Update, "update"}};
constexpr Field kPasswordFields[] = {
    ZORV_WIDGET_COMMON,
    number("level", P::kLevelOff, 1, 0x0F),
    number("levelFlag", P::kLevelOff, 1, 0xF0),
    flagValue("inverted", P::kInvertedOff, 1),
    choice("mode", P::kModeOff, 1, 0xFF, kPasswordModes),
    number("successPage", P::kSuccessPageOff, 2),
    number("failurePage", P::kFailurePageOff, 2),
};

using K = KeyRecord;
constexpr ChoiceName kKeyCodes[] = {
    {0, "0"},    {1, "1"},    {2, "2"},     {3, "3"},    {4, "4"},     {5, "5"},      {6, "6"},
    {7, "7"},    {8, "8"},    {9, "9"},     {10, "F1"},  {11, "F2"},   {12, "F3"},    {13, "F4"},
    {17, "+/-"}, {18, "ESC"}, {20, "DOWN"}, {21, "UP"},  {22, "LEFT"}, {23, "RIGHT"}, {24, "SET"},
    {25, "ENT"}, {26, "CLR"}, {27, "RUN"},  {28, "STOP"}};
constexpr ChoiceName kKeyActions[] = {{K::SetCoil, "setCoil"},
                                      {K::ScreenJump, "screenJump"},
                                      {K::SetRegister, "setRegister"},
                                      {K::RegisterStep, "registerStep"}};
constexpr Field kKeyFields[] = {
    ZORV_WIDGET_COMMON,
    choice("keyCode", K::kKeyCodeOff, 1, 0xFF, kKeyCodes),
    flag("inverted", K::kAttributesOff, K::kInverted),
    flag("doubleSize", K::kAttributesOff, K::kDoubleSize),
    flag("invisible", K::kAttributesOff, K::kInvisible),
    flag("encrypted", K::kAttributesOff, K::kEncrypted),
    choice("action", K::kActionOff, 1, K::kActionMask, kKeyActions),
    flag("decrease", K::kActionOff, K::kDecrease),
    flag("limiting", K::kActionOff, K::kLimiting),
    flag("signed", K::kActionOff, K::kSigned),
    flagValue("hand", K::kHandOff, 2),
    number("station", K::kStationOff, 1),
    reg("register", K::kTypeOff, K::kAddressOff),
    scale("value", K::kValueOff, 2, K::kActionOff, K::kSigned),
    number("limit", K::kLimitOff, 2),
};

using S = StaticTextRecord;
constexpr Field kStaticTextFields[] = {
    ZORV_WIDGET_COMMON,
    ZORV_ATTRIBUTES(S::kAttributesOff),
};

using PI = PictureRecord;
constexpr Field kPictureFields[] = {
    ZORV_WIDGET_COMMON,
    number("width", PI::kWidthOff, 2),
    number("height", PI::kHeightOff, 2),
};

#undef ZORV_WIDGET_COMMON
#undef ZORV_ATTRIBUTES

constexpr RecordLayout kHeader = layout(H::kSize, kHeaderFields);
constexpr RecordLayout kPageHead = layout(PageHead::kSize, kPageHeadFields);
constexpr RecordLayout kAlarm = layout(20, kAlarmFields);
// Indexed by kind code; the stored size is the fixed part this version writes.
constexpr RecordLayout kWidgets[] = {
    {0, {}},
    layout(24, kLedFields),
    layout(36, kRegisterFields),
    layout(20, kDynamicTextFields),
    layout(28, kBarFields),
    layout(36, kTrendFields),
    layout(20, kMenuFields),
    layout(12, kPasswordFields),
    layout(20, kKeyFields),
    layout(12, kStaticTextFields),
    layout(16, kPictureFields),
    layout(20, kAlarmFields),
};
static_assert(std::size(kWidgets) == kWidgetKindCount + 1);

} // namespace

const RecordLayout& headerLayout() {
    return kHeader;
}
const RecordLayout& pageHeadLayout() {
    return kPageHead;
}
const RecordLayout& alarmListLayout() {
    return kAlarm;
}
const RecordLayout& widgetLayout(WidgetKind kind) {
    return isWidgetKind(int32_t(kind)) ? kWidgets[int(kind)] : kWidgets[0];
}

} // namespace zorv::json
