#pragma once
// A core header that reaches up into the screens.
#include "ui/CardScreen.h"
#include "core/Fine.h"
