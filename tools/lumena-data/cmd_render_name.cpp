// lumena-data render-name: the stop-name strip of a name as a picture, so
// anyone can see how a stop name will look on the board.

#include "board/ChimeiElement.h"
#include "board/DotFonts.h"
#include "reslib/SystemHost.h"
#include "tools/lumena-data/Command.h"

#include <QBuffer>

namespace lumena::tool {

namespace {

int renderName(const Args& args)
{
    if (args.positional.size() != 2)
        return fail(QString(), QStringLiteral("render-name needs TEXT and OUT.png"));
    int fontMode = 0;
    int mode = 2;
    QString error;
    if (!args.intValue(QStringLiteral("--font-mode"), fontMode, error) ||
        !args.intValue(QStringLiteral("--mode"), mode, error))
        return fail(QString(), error);
    if (fontMode < -32768 || fontMode > 32767 || mode < -32768 || mode > 32767)
        return fail(QString(), QStringLiteral("--font-mode and --mode take 16-bit numbers"));

    DotFonts glyphs;
    SystemHost host;
    ChimeiElement element(glyphs, host);
    element.setFontMode(qint16(fontMode));
    element.setMode(qint16(mode));
    element.setFontBold(args.has(QStringLiteral("--bold")));
    element.SetChimei(args.positional[0]);

    const QString out = args.positional[1];
    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    if (!element.stripImage().save(&buf, "PNG"))
        return fail(out, QStringLiteral("cannot encode the picture"));
    if (!writeFileAtomically(out, png, error))
        return fail(out, error);
    return 0;
}

const Register reg({{QStringLiteral("render-name")},
                    QStringLiteral("render-name TEXT OUT.png [--font-mode N] [--bold] [--mode N]"),
                    {QStringLiteral("--font-mode"), QStringLiteral("--mode")},
                    {QStringLiteral("--bold")},
                    renderName});

} // namespace

} // namespace lumena::tool
