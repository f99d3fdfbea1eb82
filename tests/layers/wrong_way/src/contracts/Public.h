#pragma once
#include "clients/Public.h"
#include "clients/Private.h"
