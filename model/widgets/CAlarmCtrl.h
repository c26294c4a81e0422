#pragma once

#include "model/widgets/CTextWidget.h"

namespace zorv {

// An alarm list.
class CAlarmCtrl : public CTextWidget {
public:
    CAlarmCtrl();
    oonedraw::GObject* NewInstance() const override { return new CAlarmCtrl; }
};

} // namespace zorv
