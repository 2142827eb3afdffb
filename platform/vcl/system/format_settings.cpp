#include "vcl/system/format_settings.h"

TFormatSettings FormatSettings;
