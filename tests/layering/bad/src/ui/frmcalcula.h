#include "core/engine.h"
