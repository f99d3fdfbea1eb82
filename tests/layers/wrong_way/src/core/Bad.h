#pragma once
// A core header that reaches up into the screens.
#include "ui/card/CardScreen.h"
#include "core/Fine.h"
