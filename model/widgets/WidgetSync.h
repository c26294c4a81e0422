#pragma once
// Keeping a widget's drawing object in step with its record: the editing view applies a record
// to its object after a property dialog is confirmed and when a page is loaded, and stores the
// object's position (and a bar's or trend's size) back into the record after a move or resize.
// `language` is the editor's language index (0: language 1, 1: language 2).

#include "model/WidgetNode.h"
#include "model/WidgetRecords.h"
#include "model/widgets/CAlarmCtrl.h"
#include "model/widgets/CBar.h"
#include "model/widgets/CDynamicText.h"
#include "model/widgets/CKey.h"
#include "model/widgets/CLed.h"
#include "model/widgets/CMenuCtrl.h"
#include "model/widgets/CPassword.h"
#include "model/widgets/CPicture.h"
#include "model/widgets/CRegister.h"
#include "model/widgets/CStaticText.h"
#include "model/widgets/CTrend.h"
#include "model/widgets/WidgetBitmaps.h"

namespace zorv {

// Each sets the object's position from the record, then its text, attributes, images and size,
// and repaints where the object was and where it is now.
void applyRecord(CStaticText& o, const StaticTextRecord& r, int language);
void applyRecord(CDynamicText& o, const DynamicTextRecord& r, int language);
void applyRecord(CMenuCtrl& o, const MenuRecord& r, int language);
void applyRecord(CRegister& o, const RegisterRecord& r);
void applyRecord(CPassword& o, const PasswordRecord& r);
void applyRecord(CAlarmCtrl& o, const AlarmListRecord& r);
// A custom light shows the picture file of its logic; when that file cannot be loaded, the
// picture data the record holds; when it holds none, the placeholder.
void applyRecord(CLed& o, const LedRecord& r, WidgetBitmaps& bitmaps);
void applyRecord(CKey& o, const KeyRecord& r, WidgetBitmaps& bitmaps);
// The picture file, else the record's picture data, else the round light image while no
// picture was ever chosen and the placeholder when the chosen one is lost.
void applyRecord(CPicture& o, const PictureRecord& r, WidgetBitmaps& bitmaps);
// Sizes below 16 pixels or beyond the display (damaged files) are shown within those bounds,
// so that the object can always be picked.
void applyRecord(CBar& o, const BarRecord& r);
void applyRecord(CTrend& o, const TrendRecord& r);

// The record of the node applied to an object of its kind's class, which also takes the node's
// id; false, changing nothing, when the object's class or the record's size does not fit.
bool applyNode(oonedraw::GObject& o, const WidgetNode& node, int language, WidgetBitmaps& bitmaps);

// x and y of the object's top-left corner in display pixels, kept on the display; bars and
// trends also their width and height, kept within the display right of and below x, y.
// False when the node holds no widget record.
bool storeGeometry(const oonedraw::GObject& o, WidgetNode& node);

} // namespace zorv
