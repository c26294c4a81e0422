#pragma once
// All eleven widget records.

#include "model/records/AlarmListRecord.h"
#include "model/records/BarRecord.h"
#include "model/records/DynamicTextRecord.h"
#include "model/records/KeyRecord.h"
#include "model/records/LedRecord.h"
#include "model/records/MenuRecord.h"
#include "model/records/PasswordRecord.h"
#include "model/records/PictureRecord.h"
#include "model/records/RegisterRecord.h"
#include "model/records/StaticTextRecord.h"
#include "model/records/TrendRecord.h"
