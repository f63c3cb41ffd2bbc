// Prints the texts the calculator window must show for a state, computed
// through the same engine and formatter the window uses, so that the
// end-to-end test compares the real program with the engine.
//
//   expected_fields SYSTEM DRY_BULB_F WET_BULB_F PATM_PSIA
//
// prints one line per field index 0 to 10 and 13, in the units the window
// selects for SYSTEM ("IP" or "SI") and with the default formats, in the C
// locale: "<index> <text>".

#include "calculator/TypedText.h"
#include "core/ComputeCore.h"
#include "core/DefaultFormats.h"
#include "core/FieldTable.h"

#include <cstdlib>

#include <QLocale>
#include <QString>
#include <QTextStream>

int main(int argc, char** argv) {
    if (argc != 5)
        return 2;
    CalcState s;
    s.UnitSystem = argv[1];
    const basPsychroFun::UnitSystem system =
        basPsychroFun::UnitSystemOf(s.UnitSystem).value_or(basPsychroFun::UnitSystem::IP);
    s.Tdb = QString::fromLatin1(argv[2]).toFloat();
    s.Twb = QString::fromLatin1(argv[3]).toFloat();
    s.Patm = QString::fromLatin1(argv[4]).toFloat();
    try {
        calculator::SolveState(s, {calculator::Input::DryBulb, calculator::Input::WetBulb});
    } catch (const basPsychroFun::FloatingPointFault&) {
        return 1; // no real air for these inputs
    }
    QTextStream out(stdout);
    const QLocale c = QLocale::c();
    for (int field = 0; field < calculator::kFieldCount; ++field) {
        const std::string_view format =
            calculator::kDefaultFormats[static_cast<std::size_t>(field)];
        const QString pattern =
            QString::fromLatin1(format.data(), static_cast<qsizetype>(format.size()));
        QString text;
        if (field == calculator::kRelativeHumidity)
            text = calculator::FormatNumber(static_cast<double>(s.Phi * 100.0f), pattern, c);
        else if (field == calculator::kDegreeOfSaturation)
            text = calculator::FormatNumber(static_cast<double>(s.Mu * 100.0f), pattern, c);
        else if (const auto value = calculator::DisplayValue(
                     s, field, calculator::UnitSystemPosition(field, system)))
            text = calculator::FormatNumber(*value, pattern, c);
        out << field << ' ' << text << '\n';
    }
    return EXIT_SUCCESS;
}
