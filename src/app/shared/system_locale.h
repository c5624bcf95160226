// The system's number and currency layout, as the core's formats want it.
#pragma once

#include <QLocale>

#include "base/number_format.h"

morvane::NumberLocale NumberLocaleOf(const QLocale& locale);
