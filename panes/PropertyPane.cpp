#include "panes/PropertyPane.h"

// The pane interface has no code of its own; this file gives its signals their meta-object.
