// A logic file that reaches up into a window and into an X11 implementation: both are refused.
#include "ui/frmcalcula.h"
#include "platform/x11/x11globalhotkeys.h"
#include "i18n/messagecatalog.h"
