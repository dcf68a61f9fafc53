#include "app/settings.h"

namespace kelbo::settings {

std::int16_t TransparencyLevel = kStartTransparency;
bool AlwaysOnTop = kStartAlwaysOnTop;

}  // namespace kelbo::settings
