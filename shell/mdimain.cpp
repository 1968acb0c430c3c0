#include "mdimain.h"

#include "catalogue.h"
#include "clientarea.h"
#include "controls/figuretext.h"
#include "controls/figurewindow.h"
#include "controls/globalsubs.h"
#include "controls/systemcolours.h"
#include "controls/twips.h"
#include "controls/valuefield.h"
#include "controls/zoom.h"
#include "entry/term.h"
#include "frmabout.h"
#include "language.h"
#include "sheetwindow.h"
#include "usersettings.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace Zyntra {

namespace {

constexpr int PlacementMarginTwips = 1050;

QString precisionItemName(Precision precision)
{
    switch (precision.kind) {
    case Precision::Kind::AsDescribed:
        break;
    case Precision::Kind::Decimals:
        return arrayName(QStringLiteral("mnuPrecisionDecimals"), precision.digits);
    case Precision::Kind::Significant:
        return arrayName(QStringLiteral("mnuPrecisionSignificant"), precision.digits);
    }
    return QStringLiteral("mnuPrecisionAsDescribed");
}

// The Units menu's groups, each a submenu of one kind.
struct UnitGroup {
    QuantityKind kind;
    const char *menuName;
    const char *itemName; // with the unit's symbol, or the default's word, in brackets
    const char *defaultWord;
};
constexpr UnitGroup UnitGroups[] = {
    {QuantityKind::Length, "mnuUnitsLengths", "mnuLengthUnit", "none"},
    {QuantityKind::Area, "mnuUnitsAreas", "mnuAreaUnit", "same"},
    {QuantityKind::Volume, "mnuUnitsVolumes", "mnuVolumeUnit", "same"},
};

QString unitItemName(const UnitGroup &group, const Unit *unit)
{
    return QStringLiteral("%1(%2)").arg(QString::fromLatin1(group.itemName),
                                        QString::fromUtf8(unit ? unit->symbol : group.defaultWord));
}

// An item of a menu of exclusive choices: its caption is the one
// MenuCaptions gives its name, unless it is a word no language changes.
template <typename Value>
struct MenuChoice {
    Value value;
    const char *ownName = nullptr;
};

// A checkable item of an exclusive group, named for the tests and the
// screen reader; `chosen` runs when the user picks it.
QAction *addExclusiveItem(QMenu *menu, QActionGroup *group, const QString &caption, const QString &name, bool checked,
                          const std::function<void()> &chosen)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(name);
    item->setCheckable(true);
    item->setChecked(checked);
    group->addAction(item);
    QObject::connect(item, &QAction::triggered, menu, chosen);
    return item;
}

// A submenu of exclusive choices, the current one checked; each item is
// called by the menu's name and its value ("mnuTheme(2)").
template <typename Value, size_t N>
void addChoiceMenu(QMenu *parent, const QString &name, const MenuChoice<Value> (&choices)[N], Value current,
                   const std::function<void(Value)> &choose)
{
    QMenu *menu = parent->addMenu(QString());
    menu->setObjectName(name);
    auto *group = new QActionGroup(menu);
    for (const auto &[value, ownName] : choices)
        addExclusiveItem(menu, group, QString::fromUtf8(ownName), arrayName(name, int(value)), value == current,
                         [choose, chosen = value] { choose(chosen); });
}

// The Theme menu's items, in the order of Theme.
constexpr MenuChoice<Theme> ThemeChoices[] = {
    {Theme::FollowDesktop},
    {Theme::Light},
    {Theme::Dark},
    {Theme::HighContrast},
};

// The languages of the Language menu, each named in its own words.
constexpr MenuChoice<Language> LanguageChoices[] = {
    {Language::FollowDesktop},
    {Language::English, "English"},
    {Language::German, "Deutsch"},
};

// The shell's menu captions by item, in the words the German catalogue
// translates: the one place they are written. Menus are built without
// them and told them here, in the language in force, and again when it
// changes.
struct MenuCaption {
    const char *item;
    const char *text;
};
constexpr MenuCaption MenuCaptions[] = {
    {"mnuFile", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "&File")},
    {"mnuFileItem(1)", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "&Exit")},
    {"mnuGeometry", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "&Geometry")},
    {"mnuDim(0)", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "2D Objects")},
    {"mnuDim(1)", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "3D Objects")},
    {"mnuExactConstants", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "Exact Constants")},
    {"mnuExactForm", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "Exact Form")},
    {"mnuCalculationSheet", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "Calculation Sheet")},
    {"mnuPrecision", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "Precision")},
    {"mnuUnitsLengths", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "Lengths")},
    {"mnuUnitsAreas", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "Areas")},
    {"mnuUnitsVolumes", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "Volumes")},
    {"mnuLengthUnit(none)", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "No Units")},
    {"mnuAreaUnit(same)", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "Same as Lengths")},
    {"mnuVolumeUnit(same)", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "Same as Lengths")},
    {"mnuHistory", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "History")},
    {"mnuKeepHistory", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "Keep History")},
    {"mnuComposite", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "Composite")},
    {"mnuUnits", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "Units")},
    {"mnuView", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "&View")},
    {"mnuTheme", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "Theme")},
    {"mnuTheme(0)", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "Follow Desktop")},
    {"mnuTheme(1)", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "Light")},
    {"mnuTheme(2)", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "Dark")},
    {"mnuTheme(3)", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "High Contrast")},
    {"mnuZoomIn", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "Zoom In")},
    {"mnuZoomOut", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "Zoom Out")},
    {"mnuActualSize", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "Actual Size")},
    {"mnuShowSplash", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "Show Splash at Start-up")},
    {"mnuLanguage", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "Language")},
    {"mnuLanguage(0)", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "Follow Desktop")},
    {"mnuHelp", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "&Help")},
    {"mnuHelpItem(1)", QT_TRANSLATE_NOOP("Zyntra::MDIMain", "About")},
};

} // namespace

QRect figurePlacement(QSize mainOuterSize)
{
    const int width = twipsToPixels(pixelsToTwips(mainOuterSize.width()) - PlacementMarginTwips);
    const int height = twipsToPixels(pixelsToTwips(mainOuterSize.height()) - PlacementMarginTwips);
    return QRect(0, 0, std::max(width, 1), std::max(height, 1));
}

MDIMain::MDIMain(QWidget *splash)
    : m_splash(splash)
    , m_client(new ClientArea)
{
    setObjectName(QStringLiteral("MDIMain"));
    // The icon loads Qt's image plugins: after the window is on screen, so
    // that a start without the splash waits for nothing it need not.
    QTimer::singleShot(0, this, [this] { setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.svg"))); });
    drawMarksAtZoom();
    if (UserSettings::theme() != theme())
        setTheme(UserSettings::theme());
    setZoom(UserSettings::zoom());
    setLanguage(UserSettings::language());
    m_client->setBackground(SystemColour::activeBorder());
    // Zoomed past the screen, the figure window scrolls; at actual size the
    // client area is the whole of it.
    auto *scroller = new QScrollArea;
    scroller->setObjectName(QStringLiteral("MDIMainScroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus); // the keys go to the figure window
    scroller->setWidgetResizable(true);
    scroller->setWidget(m_client);
    setCentralWidget(scroller);
    qApp->installEventFilter(this);
    GlobalSubs::setClientArea(m_client);
    setExactConstants(UserSettings::exactConstants());
    setExactForms(UserSettings::exactForms());
    setAnswerPrecision(UserSettings::precision());
    setTapeDenominator(UserSettings::tapeDenominator());
    setUnitChoice(UserSettings::units());
    m_keepHistory = UserSettings::keepHistory();
    createMenus();
    rescaleMenus(MinZoom, zoom());
    QRect designed = Twips{810, 720, 10185, 10740}.toPixels();
    if (zoom() > MinZoom)
        if (const QScreen *screen = QGuiApplication::primaryScreen())
            designed = designed.intersected(screen->availableGeometry());
    setGeometry(designed);
    MDIForm_Load();
}

void MDIMain::MDIForm_Load()
{
    setWindowTitle(QStringLiteral("Zyntra v1.0"));
    intCurrentForm = FormCode::MainLoaded;
    if (m_splash)
        m_splash->hide();
}

// Every item by its name; translateMenus() gives each its caption at the end.
void MDIMain::createMenus()
{
    QMenu *file = menuBar()->addMenu(QString());
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *exit = file->addAction(QString(), this, [this] { mnuFileItem_Click(1); });
    exit->setObjectName(arrayName(QStringLiteral("mnuFileItem"), 1));

    QMenu *geometry = menuBar()->addMenu(QString());
    geometry->setObjectName(QStringLiteral("mnuGeometry"));
    const auto addItems = [this](QMenu *menu, FigureMenu figures, void (MDIMain::*handler)(qint16)) {
        MenuSection section = MenuSection::First;
        for (const FigureEntry *figure : figureMenu(figures)) {
            if (figure->section != section)
                menu->addSeparator();
            section = figure->section;
            const qint16 index = figure->index;
            QAction *item = menu->addAction(QString::fromLatin1(figure->caption), this,
                                            [this, handler, index] { (this->*handler)(index); });
            item->setObjectName(menuItemName(*figure));
        }
    };
    QMenu *plane = geometry->addMenu(QString());
    plane->setObjectName(arrayName(QStringLiteral("mnuDim"), 0));
    addItems(plane, FigureMenu::Plane, &MDIMain::mnuGeometryItem_Click);
    QMenu *solid = geometry->addMenu(QString());
    solid->setObjectName(arrayName(QStringLiteral("mnuDim"), 1));
    addItems(solid, FigureMenu::Solid, &MDIMain::mnu3dGeometryItem_Click);
    geometry->addSeparator();
    QAction *exact = geometry->addAction(QString());
    exact->setObjectName(QStringLiteral("mnuExactConstants"));
    exact->setCheckable(true);
    exact->setChecked(exactConstants());
    connect(exact, &QAction::toggled, this, &MDIMain::mnuExactConstants_Click);
    QAction *form = geometry->addAction(QString());
    form->setObjectName(QStringLiteral("mnuExactForm"));
    form->setCheckable(true);
    form->setChecked(exactForms());
    connect(form, &QAction::toggled, this, &MDIMain::mnuExactForm_Click);
    QAction *sheet = geometry->addAction(QString(), this, &MDIMain::mnuCalculationSheet_Click);
    sheet->setObjectName(QStringLiteral("mnuCalculationSheet"));
    // Ctrl+Shift+K is free in the common desktops and programs.
    sheet->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
    createPrecisionMenu(geometry);
    QAction *history = geometry->addAction(QString(), this, &MDIMain::mnuHistory_Click);
    history->setObjectName(QStringLiteral("mnuHistory"));
    history->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    QAction *keep = geometry->addAction(QString());
    keep->setObjectName(QStringLiteral("mnuKeepHistory"));
    keep->setCheckable(true);
    keep->setChecked(m_keepHistory);
    connect(keep, &QAction::toggled, this, &MDIMain::mnuKeepHistory_Click);
    QAction *composite = geometry->addAction(QString(), this, &MDIMain::mnuComposite_Click);
    composite->setObjectName(QStringLiteral("mnuComposite"));
    composite->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    createUnitsMenu(geometry);
    createViewMenu();

    QMenu *help = menuBar()->addMenu(QString());
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction *about = help->addAction(QString(), this, [this] { mnuHelpItem_Click(1); });
    about->setObjectName(arrayName(QStringLiteral("mnuHelpItem"), 1));
    translateMenus();
}

void MDIMain::createPrecisionMenu(QMenu *geometry)
{
    QMenu *menu = geometry->addMenu(QString());
    menu->setObjectName(QStringLiteral("mnuPrecision"));
    auto *group = new QActionGroup(menu);
    group->setExclusive(true);
    for (const Precision &precision : precisionChoices()) {
        // A section each: the described patterns, decimals, significant digits.
        if (precision == Precision::decimals(0) || precision == Precision::significant(Precision::MinSignificant))
            menu->addSeparator();
        addExclusiveItem(menu, group, precisionCaption(precision), precisionItemName(precision),
                         precision == answerPrecision(), [this, precision] { mnuPrecision_Click(precision); });
    }
    // The fractions of an inch a tape reading rounds to, a choice of their own.
    menu->addSeparator()->setObjectName(QStringLiteral("mnuPrecisionTapeSeparator"));
    auto *fractions = new QActionGroup(menu);
    for (const int denominator : TapeDenominators) {
        const QString fraction = QStringLiteral("1/") + QString::fromStdString(std::to_string(denominator));
        addExclusiveItem(menu, fractions, QStringLiteral("Nearest %1 in").arg(fraction),
                         arrayName(QStringLiteral("mnuPrecisionTape"), denominator), denominator == tapeDenominator(),
                         [this, denominator] { mnuPrecisionTape_Click(denominator); });
    }
}

void MDIMain::createUnitsMenu(QMenu *geometry)
{
    QMenu *units = geometry->addMenu(QString());
    units->setObjectName(QStringLiteral("mnuUnits"));
    for (const UnitGroup &group : UnitGroups) {
        QMenu *menu = units->addMenu(QString());
        menu->setObjectName(QString::fromLatin1(group.menuName));
        auto *exclusive = new QActionGroup(menu);
        std::vector<const Unit *> choices = unitsOf(group.kind);
        choices.insert(choices.begin(), nullptr);
        // Checked by markUnitsMenu, which follows every change of units.
        for (const Unit *unit : choices)
            addExclusiveItem(menu, exclusive, unit ? QString::fromUtf8(unit->symbol) : QString(),
                             unitItemName(group, unit), false,
                             [this, kind = group.kind, unit] { chooseUnits(unitChoice().with(kind, unit)); });
    }
    markUnitsMenu();
}

void MDIMain::createViewMenu()
{
    QMenu *view = menuBar()->addMenu(QString());
    view->setObjectName(QStringLiteral("mnuView"));
    addChoiceMenu<Theme>(view, QStringLiteral("mnuTheme"), ThemeChoices, theme(),
                         [this](Theme chosen) { chooseTheme(chosen); });
    view->addSeparator();
    QAction *in = view->addAction(QString(), this, [this] { zoomTo(zoom() + ZoomStep); });
    in->setObjectName(QStringLiteral("mnuZoomIn"));
    // Ctrl+= too: the plus sign needs Shift on many keyboards.
    in->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    QAction *out = view->addAction(QString(), this, [this] { zoomTo(zoom() - ZoomStep); });
    out->setObjectName(QStringLiteral("mnuZoomOut"));
    out->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    QAction *actual = view->addAction(QString(), this, [this] { zoomTo(MinZoom); });
    actual->setObjectName(QStringLiteral("mnuActualSize"));
    actual->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    // From the sheet and the history too, which are windows of their own.
    for (QAction *action : {in, out, actual})
        action->setShortcutContext(Qt::ApplicationShortcut);
    view->addSeparator();
    QAction *splash = view->addAction(QString());
    splash->setObjectName(QStringLiteral("mnuShowSplash"));
    splash->setCheckable(true);
    splash->setChecked(UserSettings::showSplash());
    connect(splash, &QAction::toggled, this, &MDIMain::mnuShowSplash_Click);
    addChoiceMenu<Language>(view, QStringLiteral("mnuLanguage"), LanguageChoices, language(),
                            [this](Language chosen) { chooseLanguage(chosen); });
    markViewMenu();
}

void MDIMain::translateMenus()
{
    for (const auto &[item, text] : MenuCaptions) {
        QAction *action = findChild<QAction *>(QString::fromLatin1(item));
        if (auto *menu = action ? nullptr : findChild<QMenu *>(QString::fromLatin1(item)))
            action = menu->menuAction();
        if (action)
            action->setText(tr(text));
    }
    for (const FigureEntry *figure : figureCatalogue())
        if (auto *item = findChild<QAction *>(menuItemName(*figure)))
            item->setText(figureText(QString::fromLatin1(figure->caption)));
    for (const Precision &precision : precisionChoices())
        if (auto *item = findChild<QAction *>(precisionItemName(precision)))
            item->setText(precisionCaption(precision, [](const char *english) { return tr(english); }));
    for (const int denominator : TapeDenominators)
        if (auto *item = findChild<QAction *>(arrayName(QStringLiteral("mnuPrecisionTape"), denominator)))
            item->setText(tr("Nearest %1 in").arg(QStringLiteral("1/") + integerText(denominator)));
}

void MDIMain::chooseLanguage(Language chosen)
{
    const bool german = speaksGerman();
    setLanguage(chosen);
    UserSettings::setLanguage(chosen);
    if (speaksGerman() != german)
        openFigureAgain();
}

// A figure window says its texts as it is built: the same figure opens
// afresh, with its option, the values it worked from and the answers they
// give, which are no new calculation and go into no history; then the
// values as the user left them.
void MDIMain::openFigureAgain()
{
    const FigureWindow *window = m_client->figureWindows().value(0);
    if (!window || !window->figure())
        return;
    const auto textsOf = [](const QWidget *window) {
        QHash<QString, QString> texts;
        for (const ValueField *field : window->findChildren<ValueField *>())
            texts.insert(field->objectName(), field->text());
        return texts;
    };
    const QHash<QString, QString> typed = textsOf(window);
    const QHash<QString, QString> worked = window->calculatedTexts();
    QString option;
    for (const QRadioButton *button : window->findChildren<QRadioButton *>())
        if (button->isChecked())
            option = button->objectName();
    const QScopedValueRollback quiet(m_keepHistory, false);
    runFigureCommand(window->figure());
    FigureWindow *fresh = m_client->figureWindows().value(0);
    if (auto *button = fresh->findChild<QRadioButton *>(option); button && !button->isChecked())
        button->click();
    const auto type = [fresh](const QHash<QString, QString> &texts) {
        for (ValueField *field : fresh->findChildren<ValueField *>())
            if (texts.contains(field->objectName()) && field->text() != texts[field->objectName()])
                field->setText(texts[field->objectName()]);
    };
    if (!worked.isEmpty()) {
        type(worked);
        if (auto *calculate = fresh->findChild<QPushButton *>(QStringLiteral("cmdCalculate")))
            calculate->click();
    }
    type(typed);
}

void MDIMain::markViewMenu()
{
    if (auto *in = findChild<QAction *>(QStringLiteral("mnuZoomIn")))
        in->setEnabled(zoom() < MaxZoom);
    if (auto *out = findChild<QAction *>(QStringLiteral("mnuZoomOut")))
        out->setEnabled(zoom() > MinZoom);
    if (auto *item = findChild<QAction *>(arrayName(QStringLiteral("mnuTheme"), int(theme()))))
        item->setChecked(true);
}

void MDIMain::chooseTheme(Theme chosen)
{
    setTheme(chosen);
    UserSettings::setTheme(chosen);
    m_client->setBackground(SystemColour::activeBorder());
    markViewMenu();
}

void MDIMain::zoomTo(double to)
{
    const double from = zoom();
    to = std::clamp(std::round(to / ZoomStep) * ZoomStep, MinZoom, MaxZoom);
    if (to == from)
        return;
    setZoom(to);
    UserSettings::setZoom(to);
    for (QWidget *window : std::initializer_list<QWidget *>{m_about, m_sheet, m_historyWindow, m_composite})
        if (window)
            rescale(window, from, to);
    rescaleMenus(from, to);
    // The main window grows with its figure window, as far as the screen lets it.
    QSize size = QSizeF(this->size() * (to / from)).toSize();
    if (const QScreen *screen = this->screen())
        size = size.boundedTo(screen->availableGeometry().size() - (frameGeometry().size() - this->size()));
    resize(size);
    for (FigureWindow *window : m_client->figureWindows()) {
        rescale(window, from, to);
        const QRect placement = placementOf(window);
        m_client->setMinimumSize(zoom() > MinZoom ? placement.size() : QSize(0, 0));
        window->setGeometry(placement);
    }
    markViewMenu();
}

void MDIMain::rescaleMenus(double from, double to)
{
    rescale(menuBar(), from, to, Rescale::Fonts);
    for (QMenu *menu : menuBar()->findChildren<QMenu *>())
        rescale(menu, from, to, Rescale::Fonts);
}

void MDIMain::mnuShowSplash_Click(bool show)
{
    UserSettings::setShowSplash(show);
}

void MDIMain::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        translateMenus();
    // A new theme, or the desktop's when following it, reaches the window as
    // a change of its palette; the client area changes with it.
    if (event->type() == QEvent::PaletteChange)
        m_client->setBackground(SystemColour::activeBorder());
    QMainWindow::changeEvent(event);
}

bool MDIMain::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel)
        return QMainWindow::eventFilter(watched, event);
    const auto *wheel = static_cast<QWheelEvent *>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier))
        return false;
    // A step for each notch of a wheel; a touchpad's small turns add up.
    constexpr int Notch = 120;
    m_wheelTurned += wheel->angleDelta().y();
    const int steps = m_wheelTurned / Notch;
    m_wheelTurned -= steps * Notch;
    if (steps)
        zoomTo(zoom() + steps * ZoomStep);
    return true;
}

void MDIMain::markUnitsMenu()
{
    const UnitChoice chosen = unitChoice();
    // The fractions of an inch only round answers under "ft and in", and are only offered then.
    for (QAction *item : findChildren<QAction *>())
        if (item->objectName().startsWith(QLatin1String("mnuPrecisionTape")))
            item->setVisible(chosen.length == tapeUnit());
    for (const UnitGroup &group : UnitGroups) {
        if (auto *item = findChild<QAction *>(unitItemName(group, chosen.chosen(group.kind))))
            item->setChecked(true);
        // Areas and volumes follow the lengths; without a length unit they have none.
        if (auto *menu = findChild<QMenu *>(QString::fromLatin1(group.menuName)))
            menu->menuAction()->setEnabled(group.kind == QuantityKind::Length || chosen.length);
    }
}

void MDIMain::chooseUnits(UnitChoice units)
{
    setUnitChoice(units);
    UserSettings::setUnits(unitChoice());
    markUnitsMenu();
    recalculateFigures();
}

void MDIMain::mnuExactConstants_Click(bool exact)
{
    setExactConstants(exact);
    UserSettings::setExactConstants(exact);
    recalculateFigures();
}

void MDIMain::mnuExactForm_Click(bool on)
{
    setExactForms(on);
    UserSettings::setExactForms(on);
    recalculateFigures();
}

void MDIMain::mnuPrecision_Click(Precision precision)
{
    setAnswerPrecision(precision);
    UserSettings::setPrecision(precision);
    recalculateFigures();
}

void MDIMain::mnuPrecisionTape_Click(int denominator)
{
    setTapeDenominator(denominator);
    UserSettings::setTapeDenominator(denominator);
    recalculateFigures();
}

void MDIMain::recalculateFigures()
{
    for (FigureWindow *window : m_client->figureWindows())
        window->recalculate();
    if (m_composite)
        m_composite->recalculate();
}

void MDIMain::mnuCalculationSheet_Click()
{
    if (!m_sheet) {
        m_sheet = new SheetWindow(this);
        m_sheet->setAttribute(Qt::WA_DeleteOnClose);
        const auto windows = m_client->figureWindows();
        m_sheet->follow(windows.isEmpty() ? nullptr : windows.first(), m_figure);
        m_sheet->move(frameGeometry().topRight() + QPoint(8, 0));
        rescale(m_sheet, MinZoom, zoom());
    }
    m_sheet->show();
    m_sheet->raise();
    m_sheet->activateWindow();
}

HistoryStore &MDIMain::history()
{
    if (!m_history)
        m_history = std::make_unique<HistoryStore>();
    return *m_history;
}

void MDIMain::mnuHistory_Click()
{
    if (!m_historyWindow) {
        m_historyWindow = new HistoryWindow(history(), this);
        m_historyWindow->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_historyWindow, &HistoryWindow::reopenRequested, this, [this](const HistoryRecord &record) {
            if (reopen(record))
                activateWindow();
        });
        connect(m_historyWindow, &HistoryWindow::compositeReopenRequested, this, &MDIMain::openComposite);
        // Below the calculation sheet's place, so that both can be open.
        m_historyWindow->move(frameGeometry().topRight() + QPoint(8, frameGeometry().height() / 2));
        rescale(m_historyWindow, MinZoom, zoom());
    }
    m_historyWindow->show();
    m_historyWindow->raise();
    m_historyWindow->activateWindow();
}

void MDIMain::mnuKeepHistory_Click(bool keep)
{
    m_keepHistory = keep;
    UserSettings::setKeepHistory(keep);
}

std::optional<HistoryRecord> MDIMain::calculationRecord(const FigureWindow *window) const
{
    const std::optional<FigureValues> values = window->values();
    if (!values || !values->figure || values->option >= values->figure->options())
        return std::nullopt;
    const FigureEntry &figure = *values->figure;
    const char *optionFigure = figure.quantities[size_t(values->option)].figure;
    HistoryRecord record;
    record.figureId = QString::fromLatin1(figure.id);
    record.figureName = QString::fromUtf8(optionFigure ? optionFigure : figure.caption);
    record.optionIndex = values->option;
    record.optionCaption = window->snapshot().option;
    // A given value as the number it was read as, so that it reopens under
    // any desktop; an answer as shown, with its unit.
    for (const FigureValue &value : values->given) {
        if (!std::isfinite(value.value))
            return std::nullopt; // a text no calculation read: nothing to reopen
        // One typed with a unit of its own keeps its text, which reopens as the same value.
        record.givens << HistoryGiven{value.letter, value.caption, value.value,
                                      textToNumber(value.text) ? QString() : value.text};
    }
    for (const FigureValue &value : values->answers)
        record.answers << HistoryValue{value.letter, value.caption, value.text + value.unit, value.working.exact,
                                       value.working.exactSpoken};
    record.constants = constantsName(exactConstants());
    record.precision = precisionCaption(answerPrecision());
    record.units = unitChoice();
    return record;
}

void MDIMain::recordCalculation(const FigureWindow *window)
{
    std::optional<HistoryRecord> record = m_keepHistory ? calculationRecord(window) : std::nullopt;
    if (!record)
        return;
    const HistoryStore::Recording recording = history().add(*record, &*record);
    const QString notice = history().takeNotice();
    if (recording == HistoryStore::Recording::Added && m_historyWindow) {
        // A file set aside on the way leaves the rows shown behind: they are read again.
        if (notice.isEmpty())
            m_historyWindow->recorded(*record);
        else
            m_historyWindow->refresh();
    }
    tellAboutHistory(this, notice);
}

void MDIMain::mnuComposite_Click()
{
    if (!m_composite) {
        m_composite = new frmComposite(history(), figureById, this);
        m_composite->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_composite, &frmComposite::reopenRequested, this, [this](const HistoryRecord &record) {
            if (reopen(record))
                activateWindow();
        });
        connect(m_composite, &frmComposite::updateRequested, this, [this](int row) {
            const auto windows = m_client->figureWindows();
            m_composite->updatePart(row, windows.isEmpty() ? std::nullopt : calculationRecord(windows.first()));
        });
        // A composite just kept shows in the history at once.
        connect(m_composite, &frmComposite::saved, this, [this] {
            if (m_historyWindow)
                m_historyWindow->refresh();
        });
        connect(m_composite, &frmComposite::sheetRequested, this, [this] {
            mnuCalculationSheet_Click();
            m_sheet->follow(m_composite);
        });
        // Beside the history's place, so that all three can be open.
        m_composite->move(frameGeometry().topLeft()
                          + QPoint(frameGeometry().width() / 4, frameGeometry().height() / 2));
        rescale(m_composite, MinZoom, zoom());
    }
    m_composite->show();
    m_composite->raise();
    m_composite->activateWindow();
}

void MDIMain::addToComposite(const FigureWindow *window, int answer, int sign)
{
    const std::optional<HistoryRecord> record = calculationRecord(window);
    const std::optional<FigureValues> values = window->values();
    if (!record || !values)
        return;
    const auto shown = std::ranges::find(values->answers, answer, &FigureValue::index);
    if (shown == values->answers.end())
        return;
    // The composite opens beside the figure, which keeps the keyboard.
    if (!m_composite) {
        mnuComposite_Click();
        activateWindow();
    }
    m_composite->show();
    m_composite->addPart(CompositePart{*record, shown->letter, shown->caption, sign, 1});
}

void MDIMain::openComposite(const CompositeRecord &record)
{
    applyChoices(record.constants, record.exactForms, record.units, record.precision);
    mnuComposite_Click();
    m_composite->load(record);
}

void MDIMain::applyChoices(const HistoryRecord &record)
{
    // Answers shown with exact forms show them again; a record without any
    // leaves the choice alone, since its answers may simply have had none.
    applyChoices(record.constants, showsExactForms(record), record.units, record.precision);
}

void MDIMain::applyChoices(const QString &constants, bool forms, const UnitChoice &units, const QString &precision)
{
    // As if chosen from the menu: its check marks follow, and the choices
    // stay until the user makes others, so that what is shown is what the
    // menu says.
    if (auto *exact = findChild<QAction *>(QStringLiteral("mnuExactConstants")))
        exact->setChecked(namesExactConstants(constants));
    if (forms && !exactForms())
        if (auto *item = findChild<QAction *>(QStringLiteral("mnuExactForm")))
            item->setChecked(true);
    if (!(units == unitChoice()))
        chooseUnits(units);
    if (const std::optional<Precision> choice = precisionNamed(precision); choice && !(*choice == answerPrecision()))
        if (auto *item = findChild<QAction *>(precisionItemName(*choice)))
            item->trigger();
}

bool MDIMain::reopen(const HistoryRecord &record)
{
    const FigureEntry *figure = figureById(record.figureId);
    auto *item = figure ? findChild<QAction *>(menuItemName(*figure)) : nullptr;
    if (!item || record.optionIndex < 0 || record.optionIndex >= figure->options())
        return false;
    item->trigger();
    // Now that the fresh window shows no answers, a change of choices recalculates nothing.
    applyChoices(record);
    FigureWindow *window = m_client->figureWindows().value(0);
    if (!window)
        return false;
    const auto inArray = [window](const QWidget *control, int index) {
        const QString name = control->objectName();
        return control->isVisibleTo(window)
               && (name.endsWith(u'(' + integerText(index) + u')') || (index == 0 && !name.contains(u'(')));
    };
    for (QRadioButton *option : window->findChildren<QRadioButton *>())
        if (inArray(option, record.optionIndex) && !option->isChecked())
            option->click();
    const OptionQuantities &declared = figure->quantities[size_t(record.optionIndex)];
    for (const HistoryGiven &given : record.givens) {
        const int index = letterIndex(declared.given, given.letter);
        for (ValueField *field : window->findChildren<ValueField *>())
            if (index >= 0 && inArray(field, index))
                field->setText(given.typed.isEmpty() ? fullNumber(given.value) : given.typed);
    }
    if (auto *calculate = window->findChild<QPushButton *>(QStringLiteral("cmdCalculate")))
        calculate->click();
    return true;
}

void MDIMain::mnuFileItem_Click(qint16 index)
{
    if (index == 1)
        close();
}

void MDIMain::mnuHelpItem_Click(qint16 index)
{
    if (index != 1)
        return;
    if (!m_about) {
        m_about = new frmAbout(this);
        // Laid out at the zoom in force; its fonts follow.
        rescale(m_about, MinZoom, zoom(), Rescale::Fonts);
    }
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void MDIMain::mnuGeometryItem_Click(qint16 index)
{
    runFigureCommand(figureCommand(FigureMenu::Plane, index));
}

void MDIMain::mnu3dGeometryItem_Click(qint16 index)
{
    runFigureCommand(figureCommand(FigureMenu::Solid, index));
}

void MDIMain::runFigureCommand(const FigureEntry *figure)
{
    if (!figure)
        return;
    GlobalSubs::UnloadCurrentForm();
    if (figure->modeVariable)
        *figure->modeVariable = figure->mode;
    FigureWindow *window = figure->load();
    window->setFigure(figure);
    placeAndShow(window);
    m_figure = figure;
    connect(window, &FigureWindow::workingRequested, this, &MDIMain::mnuCalculationSheet_Click);
    connect(window, &FigureWindow::unitsRequested, this, &MDIMain::chooseUnits);
    connect(window, &FigureWindow::calculated, this, [this, window] { recordCalculation(window); });
    connect(window, &FigureWindow::compositePartRequested, this,
            [this, window](int answer, int sign) { addToComposite(window, answer, sign); });
    if (m_sheet)
        m_sheet->follow(window, figure);
}

void MDIMain::placeAndShow(FigureWindow *window)
{
    // Laid out at the zoom in force; its fonts follow.
    rescale(window, MinZoom, zoom(), Rescale::Fonts);
    const QRect placement = placementOf(window);
    m_client->setMinimumSize(zoom() > MinZoom ? placement.size() : QSize(0, 0));
    m_client->addFigureWindow(window, placement);
}

// Zoomed, the window keeps at least its designed size, and the client area scrolls.
QRect MDIMain::placementOf(const FigureWindow *window) const
{
    QRect placement = figurePlacement(frameGeometry().size());
    if (zoom() > MinZoom)
        placement.setSize(placement.size().expandedTo(window->designedSize()));
    return placement;
}

// Ending the main window ends the program, with every other window.
void MDIMain::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_about)
        m_about->close();
    if (m_sheet)
        m_sheet->close();
    if (m_historyWindow)
        m_historyWindow->close();
    if (m_composite)
        m_composite->close();
    if (m_splash)
        m_splash->hide();
    QCoreApplication::quit();
}

} // namespace Zyntra
