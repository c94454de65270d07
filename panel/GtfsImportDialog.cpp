#include "panel/GtfsImportDialog.h"

#include "panel/RunPorts.h"
#include "reslib/Dialogs.h"
#include "reslib/Japanese.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace lumena {

namespace {

constexpr int DirectionRole = Qt::UserRole;
constexpr int TripRole = Qt::UserRole + 1;

QString tripCaption(const gtfs::TripSummary& t)
{
    QStringList parts{t.id};
    if (t.direction >= 0)
        parts << u"方向%1"_s.arg(t.direction);
    if (t.firstDeparture >= 0)
        parts << gtfs::timeText(t.firstDeparture) + u"発"_s;
    if (!t.headsign.isEmpty())
        parts << t.headsign + u"行き"_s;
    parts << u"%1停留所"_s.arg(t.stops);
    return parts.join(u"　"_s);
}

QString problemText(const gtfs::Problem& p)
{
    return p.file.isEmpty() ? p.text : p.file + u": "_s + p.text;
}

} // namespace

GtfsImportDialog::GtfsImportDialog(const RunOptions& options, QWidget* parent)
    : QDialog(parent), m_options(options)
{
    setObjectName(u"frmGtfsImport"_s);
    setWindowTitle(u"GTFSから路線を作成"_s);
    setModal(true);
    resize(640, 560);
    auto* layout = new QVBoxLayout(this);

    auto* feedRow = new QHBoxLayout;
    m_feedPath = new QLineEdit(this);
    m_feedPath->setObjectName(u"txtFeed"_s);
    m_feedPath->setPlaceholderText(u"GTFS-JP の ZIP ファイルまたはフォルダー"_s);
    connect(m_feedPath, &QLineEdit::returnPressed, this, [this] { openFeed(m_feedPath->text()); });
    auto* zip = new QPushButton(u"ZIPファイル..."_s, this);
    zip->setObjectName(u"cmdFeedZip"_s);
    connect(zip, &QPushButton::clicked, this, [this] { chooseFeed(false); });
    auto* folder = new QPushButton(u"フォルダー..."_s, this);
    folder->setObjectName(u"cmdFeedFolder"_s);
    connect(folder, &QPushButton::clicked, this, [this] { chooseFeed(true); });
    feedRow->addWidget(new QLabel(u"フィード:"_s, this));
    feedRow->addWidget(m_feedPath, 1);
    feedRow->addWidget(zip);
    feedRow->addWidget(folder);
    layout->addLayout(feedRow);

    m_routeList = new QTreeWidget(this);
    m_routeList->setObjectName(u"lstRoutes"_s);
    m_routeList->setRootIsDecorated(false);
    m_routeList->setHeaderLabels({u"系統"_s, u"路線名"_s, u"便数"_s, u"route_id"_s});
    m_routeList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_routeList->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    connect(m_routeList, &QTreeWidget::currentItemChanged, this, &GtfsImportDialog::routeChosen);
    layout->addWidget(m_routeList, 1);

    auto* form = new QFormLayout;
    m_tripChoice = new QComboBox(this);
    m_tripChoice->setObjectName(u"cboTrip"_s);
    connect(m_tripChoice, &QComboBox::currentIndexChanged, this, &GtfsImportDialog::refresh);
    form->addRow(u"方向・便:"_s, m_tripChoice);
    m_perZone = new QCheckBox(u"同じゾーンの停留所には同じ整理券番号"_s, this);
    m_perZone->setObjectName(u"chkPerZone"_s);
    connect(m_perZone, &QCheckBox::toggled, this, &GtfsImportDialog::refresh);
    form->addRow(u"整理券:"_s, m_perZone);
    m_number = new QSpinBox(this);
    m_number->setObjectName(u"spnRouteNumber"_s);
    m_number->setRange(1, gtfs::MaxRouteNumber);
    connect(m_number, &QSpinBox::valueChanged, this, [this](int n) {
        // Only the file names change: no need to import again.
        if (!m_route)
            return refresh();
        m_route->number = n;
        showTargets();
    });
    form->addRow(u"系統番号:"_s, m_number);
    layout->addLayout(form);

    m_summary = new QLabel(this);
    m_summary->setObjectName(u"lblSummary"_s);
    layout->addWidget(m_summary);
    m_messages = new QPlainTextEdit(this);
    m_messages->setObjectName(u"txtMessages"_s);
    m_messages->setReadOnly(true);
    m_messages->setMaximumHeight(110);
    layout->addWidget(m_messages);
    m_targets = new QLabel(this);
    m_targets->setObjectName(u"lblTargets"_s);
    m_targets->setWordWrap(true);
    layout->addWidget(m_targets);

    QDialogButtonBox* buttons =
        dialogs::dialogButtons(this, QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setEnabled(false);
    layout->addWidget(buttons);
}

GtfsImportDialog::~GtfsImportDialog() = default;

void GtfsImportDialog::chooseFeed(bool folder)
{
    const QString path =
        folder ? dialogs::chooseFolder(this, u"GTFSフィードのフォルダーを選択"_s)
               : dialogs::openFile(this,
                                   QStringList{u"GTFS フィード (*.zip)"_s, u"*.zip"_s,
                                               u"すべてのファイル (*.*)"_s, u"*.*"_s, QString()}
                                       .join(QChar(0)),
                                   m_feedPath->text(), u"GTFSフィードを選択"_s);
    if (!path.isEmpty())
        openFeed(path);
}

bool GtfsImportDialog::openFeed(const QString& path)
{
    m_feedPath->setText(path);
    m_importer.reset();
    m_routes.clear();
    m_routeList->clear();
    auto feed = std::make_unique<gtfs::Feed>();
    gtfs::Problem problem;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = gtfs::readFeed(path, *feed, problem);
    if (ok) {
        m_feed = std::move(feed);
        m_importer = std::make_unique<gtfs::Importer>(*m_feed);
        m_routes = m_importer->routes();
    }
    QGuiApplication::restoreOverrideCursor();
    if (!ok) {
        m_feed.reset();
        refresh();
        m_messages->setPlainText(problemText(problem));
        return false;
    }
    for (qsizetype i = 0; i < m_routes.size(); ++i) {
        const gtfs::RouteSummary& r = m_routes[i];
        auto* item = new QTreeWidgetItem(m_routeList,
                                         {r.shortName, r.longName, QString::number(r.trips), r.id});
        item->setData(0, Qt::UserRole, int(i));
    }
    if (m_routeList->topLevelItemCount() > 0)
        m_routeList->setCurrentItem(m_routeList->topLevelItem(0));
    else
        refresh();
    return true;
}

// The choices for a route: its longest trip (either way, or one way), then
// each trip.
void GtfsImportDialog::routeChosen()
{
    const QTreeWidgetItem* item = m_routeList->currentItem();
    {
        const QSignalBlocker block(m_tripChoice);
        m_tripChoice->clear();
        if (item) {
            const gtfs::RouteSummary& r = m_routes[item->data(0, Qt::UserRole).toInt()];
            m_tripChoice->addItem(u"最も停留所の多い便"_s, -1);
            for (int d = 0; d < 2; ++d) {
                if (r.longest[size_t(d)] > 0)
                    m_tripChoice->addItem(u"方向%1で最も停留所の多い便（%2停留所）"_s.arg(d).arg(
                                              r.longest[size_t(d)]),
                                          d);
            }
            for (const gtfs::TripSummary& t : m_importer->trips(r.id)) {
                m_tripChoice->addItem(tripCaption(t), -1);
                m_tripChoice->setItemData(m_tripChoice->count() - 1, t.id, TripRole);
            }
            const QSignalBlocker blockNumber(m_number);
            if (const int n = gtfs::routeNumberFromName(r.shortName))
                m_number->setValue(n);
        }
    }
    refresh();
}

void GtfsImportDialog::refresh()
{
    m_route.reset();
    m_summary->clear();
    m_messages->clear();
    const QTreeWidgetItem* item = m_routeList->currentItem();
    if (item && m_importer) {
        gtfs::ImportOptions o;
        o.routeId = m_routes[item->data(0, Qt::UserRole).toInt()].id;
        o.direction = m_tripChoice->currentData(DirectionRole).toInt();
        o.tripId = m_tripChoice->currentData(TripRole).toString();
        o.number = m_number->value();
        o.perZone = m_perZone->isChecked();
        gtfs::ImportedRoute route;
        gtfs::Problem problem;
        if (m_importer->import(o, route, problem)) {
            m_route = std::move(route);
            m_summary->setText(
                u"停留所 %1、整理券番号 1～%2（便 %3）"_s.arg(m_route->records.size())
                    .arg(m_route->tickets)
                    .arg(m_route->trip.id));
            m_messages->setPlainText(m_route->warnings.isEmpty() ? u"警告はありません。"_s
                                                                 : m_route->warnings.join(u'\n'));
        } else {
            m_summary->setText(u"この便からは路線を作れません。"_s);
            m_messages->setPlainText(problemText(problem));
        }
    }
    showTargets();
}

void GtfsImportDialog::showTargets()
{
    m_ok->setEnabled(m_route.has_value());
    if (!m_route) {
        m_targets->clear();
        return;
    }
    const int n = m_route->number;
    m_targets->setText(
        u"書き込み先: %1、%2"_s.arg(QDir(m_options.fareDataDir()).filePath(gtfs::fareFileName(n)),
                                    QDir(m_options.tapeDataDir()).filePath(gtfs::tapeFileName(n))));
}

void GtfsImportDialog::accept()
{
    if (!m_route)
        return;
    const QString fareDir = m_options.fareDataDir();
    const QString tapeDir = m_options.tapeDataDir();
    const QStringList existing = gtfs::existingFiles(m_route->number, fareDir, tapeDir);
    if (!existing.isEmpty()) {
        QMessageBox ask(QMessageBox::Question, windowTitle(),
                        japanese::wrapLines(u"次のファイルを置き換えます。よろしいですか？\n\n"_s +
                                            existing.join(u'\n')),
                        QMessageBox::Yes | QMessageBox::No, this);
        ask.setDefaultButton(QMessageBox::No);
        japanese::setButtonTexts(ask);
        if (ask.exec() != QMessageBox::Yes)
            return;
    }
    QString error;
    if (!gtfs::writeRoute(*m_route, fareDir, tapeDir, error)) {
        QMessageBox box(QMessageBox::Warning, windowTitle(),
                        japanese::wrapLines(u"路線のファイルを書き込めませんでした。\n"_s + error),
                        QMessageBox::Ok, this);
        japanese::setButtonTexts(box);
        box.exec();
        return;
    }
    m_written = m_route->number;
    QDialog::accept();
}

QAction* addGtfsImportAction(QMenu* menu, QWidget* owner, const RunOptions& options,
                             std::function<void(const QString&)> setRoute)
{
    QAction* action = menu->addAction(u"GTFSから路線を作成..."_s);
    action->setObjectName(u"MnuGtfsImport"_s);
    QObject::connect(action, &QAction::triggered, owner,
                     [owner, &options, setRoute = std::move(setRoute)] {
                         GtfsImportDialog dlg(options, owner);
                         if (dlg.exec() == QDialog::Accepted && setRoute)
                             setRoute(QString::number(dlg.writtenRoute()));
                     });
    return action;
}

} // namespace lumena
