#include "plc/PlcSession.h"
