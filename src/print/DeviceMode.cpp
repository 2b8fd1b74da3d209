#include "print/DeviceMode.h"

namespace zentrope {

const std::array<DeviceMode::Key, 10> &DeviceMode::Keys()
{
    static const std::array<Key, 10> keys{{
        {"Orientation", DM_ORIENTATION, &DeviceMode::Orientation},
        {"PaperSize", DM_PAPERSIZE, &DeviceMode::PaperSize},
        {"PaperLength", DM_PAPERLENGTH, &DeviceMode::PaperLength},
        {"PaperWidth", DM_PAPERWIDTH, &DeviceMode::PaperWidth},
        {"Scale", DM_SCALE, &DeviceMode::Scale},
        {"Copies", DM_COPIES, &DeviceMode::Copies},
        {"DefaultSource", DM_DEFAULTSOURCE, &DeviceMode::DefaultSource},
        {"PrintQuality", DM_PRINTQUALITY, &DeviceMode::PrintQuality},
        {"Color", DM_COLOR, &DeviceMode::Color},
        {"Duplex", DM_DUPLEX, &DeviceMode::Duplex},
    }};
    return keys;
}

} // namespace zentrope
