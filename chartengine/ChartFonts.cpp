#include "chartengine/ChartFonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>

#include <cmath>

namespace chartengine {

namespace {

const QString Arial = QStringLiteral("Arial");
const QString ArialTwin = QStringLiteral("Liberation Sans");

// Asking the font database takes a tenth of a millisecond, more than painting a whole chart
// should; the installed fonts do not change while the program runs. The list is read as it stands:
// hasFamily() would first have fontconfig resolve the name as an alias, a million instructions of
// every start.
bool arialInstalled()
{
    static const bool installed = QFontDatabase::families().contains(Arial, Qt::CaseInsensitive);
    return installed;
}

QString installedFamily(const QString& family)
{
    if (family.compare(Arial, Qt::CaseInsensitive) == 0 && !arialInstalled()) return ArialTwin;
    return family;
}

} // namespace

QFont chartFont(int pixelSize)
{
    QFont font(installedFamily(Arial));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

QFont normalizedFont(const QFont& given)
{
    QFont font = given;
    font.setFamily(installedFamily(given.family()));
    if (given.pixelSize() <= 0) {
        const double points = given.pointSizeF() > 0 ? given.pointSizeF() : 10;
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96 / 72))));
    }
    return font;
}

} // namespace chartengine
