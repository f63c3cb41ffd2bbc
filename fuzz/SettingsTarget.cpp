// The settings file: its text read key by key, the window's settings taken
// from it, and the text written back.

#include "engine/Limits.h"
#include "fuzz/Targets.h"
#include "settings/IniFormat.h"
#include "settings/SettingsText.h"
#include "settings/SettingsValues.h"

#include <cmath>

#include <QByteArrayView>

namespace fuzz {

Finding CheckSettingsIni(std::string_view bytes) {
    namespace psy = basPsychroFun;
    const settings::StoreContents contents = settings::ParseStoreText(
        QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));

    // Whatever the file holds, the window gets values it can use.
    const settings::WindowSettings window = settings::WindowSettingsFrom(contents.texts);
    if (window.units != 0 && window.units != 1)
        return "unit system " + std::to_string(window.units);
    if (window.patmUnit != 0 && window.patmUnit != 1)
        return "pressure or altitude choice " + std::to_string(window.patmUnit);
    const auto patm = static_cast<double>(window.patm);
    if (!(patm > 0.0 && patm <= psy::kMaxAtmosphericPressurePsia))
        return "pressure " + std::to_string(patm) + " psia";
    const auto alt = static_cast<double>(window.alt);
    if (!(alt >= psy::kMinAltitudeFt && alt <= psy::kMaxAltitudeFt))
        return "altitude " + std::to_string(alt) + " ft";
    for (const QString& format : window.fieldFormats)
        if (!settings::IsValidFormatPattern(format))
            return "display format \"" + format.toStdString() + "\"";

    // The keys it read, written, read back as they were and nothing else.
    const settings::StoreContents again =
        settings::ParseStoreText(settings::ComposeStoreText(contents.texts));
    if (again.texts != contents.texts)
        return "the settings it read change when written and read again";
    if (again.hasOtherText)
        return "the file it writes holds text it cannot read";
    return {};
}

} // namespace fuzz
