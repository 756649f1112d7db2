#include "search/Tfindformen.h"

#include "app/AppContext.h"
#include "app/Hint.h"
#include "app/SettingsFile.h"
#include "app/StandardIcon.h"
#include "app/WhenIdle.h"
#include "platform/widgets/FileDialogs.h"
#include "search/FilterPage.h"
#include "search/SearchPage.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

Tfindformen::Tfindformen(AppContext &context)
    : ToolBox(context, QStringLiteral("Søg i dokumenter"))
    , settings_(std::make_unique<SettingsFile>(context.fields.OptMappe + QStringLiteral("/Findis.txt")))
{
    setGeometry(kDefaultLeft, kDefaultTop, kWidth, kDefaultHeight);
    HentOpt();
}

Tfindformen::~Tfindformen() = default;

QString Tfindformen::Mappe() const
{
    return dirEdit->text();
}

void Tfindformen::buildAtFirstShow()
{
    auto *layout = new QVBoxLayout(this);

    auto *top = new QHBoxLayout;
    ButtonInfo = new QPushButton(QStringLiteral("&Information"), this);
    ButtonInfo->setAutoDefault(false);
    Hint::set(ButtonInfo, QStringLiteral("Information"));
    auto *title = new QLabel(QStringLiteral("Søg i dokumenter"), this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setStyleSheet(QStringLiteral("color: #1a4fa0;"));
    ButtonLuk = new QPushButton(QStringLiteral("&Luk"), this);
    ButtonLuk->setAutoDefault(false);
    Hint::set(ButtonLuk, QStringLiteral("Luk Genveje"));
    connect(ButtonLuk, &QPushButton::clicked, this, &QWidget::close);
    top->addWidget(ButtonInfo);
    top->addStretch();
    top->addWidget(title);
    top->addStretch();
    top->addWidget(ButtonLuk);
    layout->addLayout(top);

    auto *folderLabel = new QLabel(QStringLiteral("Søgemappe"), this);
    layout->addWidget(folderLabel);
    auto *folderRow = new QHBoxLayout;
    dirEdit = new QLineEdit(this);
    dirEdit->setPlaceholderText(QStringLiteral("Indfør søgemappe"));
    dirEdit->setAcceptDrops(false);
    dirEdit->setAccessibleName(QStringLiteral("Søgemappe"));
    folderLabel->setBuddy(dirEdit);
    browseButton = new QToolButton(this);
    browseButton->setIcon(StandardIcon::of(QStyle::SP_DirOpenIcon));
    browseButton->setAccessibleName(QStringLiteral("Vælg søgemappe"));
    Hint::set(browseButton, QStringLiteral("Vælg søgemappe"));
    connect(browseButton, &QToolButton::clicked, this, &Tfindformen::chooseFolder);
    aAktuelle = new QAction(QStringLiteral("Aktuelle"), this);
    aAktuelle->setToolTip(QStringLiteral("Sæt aktuelle mappe som søgemappe"));
    aAktuelle->setStatusTip(aAktuelle->toolTip());
    connect(aAktuelle, &QAction::triggered, this, [this] {
        const QString current = context().currentFolder.path();
        if (QFileInfo(current).isDir())
            dirEdit->setText(current);
    });
    auto *aktuelleButton = new QPushButton(aAktuelle->text(), this);
    aktuelleButton->setAutoDefault(false);
    aktuelleButton->setAccessibleName(aAktuelle->text());
    Hint::set(aktuelleButton, aAktuelle->toolTip());
    connect(aktuelleButton, &QPushButton::clicked, aAktuelle, &QAction::trigger);
    connect(aAktuelle, &QAction::changed, aktuelleButton,
        [this, aktuelleButton] { aktuelleButton->setEnabled(aAktuelle->isEnabled()); });
    folderRow->addWidget(dirEdit, 1);
    folderRow->addWidget(browseButton);
    folderRow->addWidget(aktuelleButton);
    layout->addLayout(folderRow);

    pageBog = new QTabWidget(this);
    pageBog->setAccessibleName(QStringLiteral("Sider"));
    searchPage = new SearchPage(
        context(), [this] { return Mappe(); }, pageBog);
    filterPage = new FilterPage(context(), pageBog);
    pageBog->addTab(searchPage, QStringLiteral("Søg"));
    pageBog->addTab(filterPage, QStringLiteral("Filtre"));
    layout->addWidget(pageBog, 1);
    connect(ButtonInfo, &QPushButton::clicked, this, [this] { pageBog->setCurrentWidget(filterPage); });
    connect(filterPage, &FilterPage::savedListChanged, this,
        [this] { searchPage->LoadFilterBoks(filterPage->choices()); });
    WhenIdle::run(this, [this] { updateCommands(); });
}

void Tfindformen::HentOpt()
{
    // The box's settings are its own business: a file that cannot be read leaves the values read so far.
    if (settings_->read() != SettingsFile::Status::Read)
        return;
    settings_->apply({
        SettingsLine::integer([this](int left) { move(left, y()); }),
        SettingsLine::integer([this](int top) { move(x(), top); }),
        SettingsLine::integer([this](int height) { resize(width(), height); }),
    });
}

void Tfindformen::GemOpt()
{
    settings_->write({ QString::number(x()), QString::number(y()), QString::number(height()) });
}

void Tfindformen::showEvent(QShowEvent *event)
{
    ToolBox::showEvent(event);
    if (opstart_)
        firstShow();
    // F6 and then the text: the keys go into the search field, not to the first button.
    if (pageBog->currentWidget() == searchPage)
        searchPage->EditFind->setFocus();
}

void Tfindformen::firstShow()
{
    opstart_ = false;
    filterPage->HentTypeliste();
    const QString current = context().currentFolder.path();
    dirEdit->setText(QFileInfo(current).isDir() ? current : QDir::rootPath());
}

void Tfindformen::closeEvent(QCloseEvent *event)
{
    GemOpt();
    // Closing only hides the box; the dialog's own handling would count it as cancelled.
    QWidget::closeEvent(event);
}

void Tfindformen::chooseFolder()
{
    const QString folder = context().platform.fileDialogs.chooseFolder(
        this, QStringLiteral("Vælg søgemappe"), dirEdit->text());
    if (!folder.isEmpty())
        dirEdit->setText(QDir::toNativeSeparators(folder));
}

void Tfindformen::updateCommands()
{
    aAktuelle->setEnabled(QFileInfo(Mappe()).isDir());
    searchPage->updateCommands();
    filterPage->updateCommands();
}
