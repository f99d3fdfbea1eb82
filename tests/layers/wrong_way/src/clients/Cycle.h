#pragma once
#include "contracts/Public.h"
