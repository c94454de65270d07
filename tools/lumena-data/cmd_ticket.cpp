// lumena-data ticket info|render: look into a ticket plug-in and draw one
// ticket from it, without the program.

#include "tools/lumena-data/Command.h"

#include "panel/RunRules.h"
#include "reslib/Units.h"
#include "reslib/plugin/PluginEngine.h"
#include "reslib/plugin/TicketRenderer.h"
#include "ticket/TicketDate.h"

#include <QBuffer>
#include <QDateTime>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <cstdio>

namespace lumena::tool {

namespace {

// The fourteen words under the names the plug-in file gives them.
const char* const PlgInfoNames[14] = {
    "formatVersion",      "widthTwips", "heightTwips",   "printsDate",      "printsTime",
    "printsRoute",        "printsStop", "printsBarcode", "barcodeCount",    "routeLimit",
    "barcodeRouteScheme", "stopFirst",  "stopLast",      "companySwitching"};

int info(const Args& args)
{
    const QString file = args.positional.value(0);
    PluginEngine engine;
    QString error;
    const TicketPlugin* p = engine.load(file, &error);
    if (!p)
        return fail(file, QStringLiteral("not accepted as a ticket plug-in: %1").arg(error));
    const PlgInfo info = plgInfoOf(*p);
    QJsonObject words;
    QJsonArray raw;
    for (int i = 0; i < 14; ++i) {
        words.insert(QLatin1StringView(PlgInfoNames[i]), info[i]);
        raw.append(info[i]);
    }
    QJsonObject root;
    root.insert(QStringLiteral("file"), file);
    root.insert(QStringLiteral("name"), p->name);
    root.insert(QStringLiteral("PlgInfo"), words);
    root.insert(QStringLiteral("words"), raw);
    root.insert(QStringLiteral("remarks"), QJsonArray::fromStringList(p->remarks));
    root.insert(QStringLiteral("companies"), QJsonArray::fromStringList(p->companies));
    std::fputs(QJsonDocument(root).toJson(QJsonDocument::Indented).constData(), stdout);
    return 0;
}

int render(const Args& args)
{
    const QString file = args.positional.value(0);
    const QString out = args.positional.value(1);
    PluginEngine engine;
    QString error;
    const TicketPlugin* p = engine.load(file, &error);
    if (!p)
        return fail(file, QStringLiteral("not accepted as a ticket plug-in: %1").arg(error));
    int ticketNo = 1, route = 1, row = 1, company = -1;
    if (!args.intValue(QStringLiteral("--ticket"), ticketNo, error) ||
        !args.intValue(QStringLiteral("--row"), row, error) ||
        !args.intValue(QStringLiteral("--company"), company, error))
        return fail(QString(), error);
    if (args.has(QStringLiteral("--route")))
        // As the board refresh does: 00012 is route 12.
        route = leadingNumber(args.value(QStringLiteral("--route")));
    const QDateTime now = QDateTime::currentDateTime();
    QString stop = args.value(QStringLiteral("--stop"), QStringLiteral("中央駅前"));
    QString date = args.value(QStringLiteral("--date"), systemDateText(now.date()));
    const QString time = args.value(QStringLiteral("--time"), timeText(now.time()));

    const PlgInfo info = plgInfoOf(*p);
    QImage image(twipsToPixels(info[1]), twipsToPixels(info[2]), QImage::Format_RGB32);
    image.fill(Qt::white);
    engine.drawSeiriken(file, &image, stop, date, time, route, static_cast<qint16>(ticketNo),
                        static_cast<qint16>(row), static_cast<qint16>(company));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return fail(out, QStringLiteral("cannot encode the picture"));
    if (!writeFileAtomically(out, png, error))
        return fail(out, error);
    return 0;
}

int checked(const Args& args, int want, int (*run)(const Args&))
{
    if (args.positional.size() != want) {
        fail(QString(), QStringLiteral("wrong number of arguments"));
        return 2;
    }
    return run(args);
}

const Register infoCommand({{QStringLiteral("ticket"), QStringLiteral("info")},
                            QStringLiteral("ticket info PLUGIN.4SP"),
                            {},
                            {},
                            [](const Args& a) { return checked(a, 1, info); }});

const Register renderCommand(
    {{QStringLiteral("ticket"), QStringLiteral("render")},
     QStringLiteral("ticket render PLUGIN.4SP OUT.png [--ticket N] [--stop NAME] [--route R] "
                    "[--row K] [--date D] [--time T] [--company I]"),
     {QStringLiteral("--ticket"), QStringLiteral("--stop"), QStringLiteral("--route"),
      QStringLiteral("--row"), QStringLiteral("--date"), QStringLiteral("--time"),
      QStringLiteral("--company")},
     {},
     [](const Args& a) { return checked(a, 2, render); }});

} // namespace

} // namespace lumena::tool
