#include "lists/Topenform.h"

#include "app/AppContext.h"
#include "app/FileListTarget.h"
#include "app/FileMessages.h"
#include "app/FrameInterface.h"
#include "app/RadioGroup.h"
#include "app/SettingsFile.h"
#include "documents/TFunktioner.h"
#include "platform/widgets/ModalRunner.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 340;
constexpr int kHeight = 183;
constexpr int kSettingsLineCount = 2;

} // namespace

Topenform::Topenform(AppContext &context)
    : ToolBox(context, QStringLiteral("Åben"))
    , handlingsBox(new RadioGroup(QStringLiteral("Handling"),
          { QStringLiteral("Åben til redigering"), QStringLiteral("Indsæt i listen med lukkede dokumenter"),
              QStringLiteral("Indsæt i favoritter") },
          this))
    , checkNyListe(new QCheckBox(QStringLiteral("Start med ny liste"), this))
    , annullerButton(new QPushButton(QStringLiteral("Annuller"), this))
    , okButton(new QPushButton(QStringLiteral("Gennemfør"), this))
{
    setFixedSize(kWidth, kHeight);
    handlingsBox->setObjectName(QStringLiteral("handlingsBox"));
    checkNyListe->setObjectName(QStringLiteral("checkNyListe"));
    annullerButton->setObjectName(QStringLiteral("annullerButton"));
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setDefault(true);
    annullerButton->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(checkNyListe);
    buttons->addStretch();
    buttons->addWidget(annullerButton);
    buttons->addWidget(okButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(handlingsBox, 1);
    layout->addLayout(buttons);

    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(annullerButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(handlingsBox, &RadioGroup::itemIndexChanged, this, &Topenform::FormShow);

    handlingsBox->setItemIndex(kAabenTilRedigering);
    checkNyListe->setChecked(false);
    optFilnavn = context.fields.OptMappe + QStringLiteral("/OpenUnit.txt");
    settings_ = std::make_unique<SettingsFile>(optFilnavn);
    HentOpt();
    FormShow();
}

Topenform::~Topenform() = default;

void Topenform::HentOpt()
{
    switch (settings_->read()) {
    case SettingsFile::Status::Missing:
        return;
    case SettingsFile::Status::Unreadable:
        context().inform(SettingsFile::startupFailureMessage());
        return;
    case SettingsFile::Status::Read:
        break;
    }
    if (settings_->lines().size() != kSettingsLineCount)
        return;
    // A choice the box does not offer would leave every file without an action.
    const bool read = settings_->apply({
        SettingsLine::choice(handlingsBox->count(), [this](int index) { handlingsBox->setItemIndex(index); }),
        SettingsLine::flag([this](bool on) { checkNyListe->setChecked(on); }),
    });
    if (!read)
        context().inform(SettingsFile::startupFailureMessage());
}

void Topenform::GemOpt()
{
    const QStringList lines
        = { QString::number(handlingsBox->itemIndex()), SettingsFile::flag(checkNyListe->isChecked()) };
    if (!settings_->write(lines))
        context().inform(FileMessages::writeFailure(settings_->path(), settings_->error()));
}

void Topenform::FormShow()
{
    const int choice = handlingsBox->itemIndex();
    checkNyListe->setEnabled(choice == kLukkedeDokumenter || choice == kFavoritter);
}

int Topenform::showModal(ModalRunner &runner)
{
    FormShow();
    const QWidget *frame = context().frame->frameWidget();
    move(frame->geometry().center() - rect().center());
    const int result = runner.exec(*this);
    GemOpt();
    return result;
}

void Topenform::applyChosenAction(const QStringList &files)
{
    const int choice = handlingsBox->itemIndex();
    FileListTarget *list = choice == kLukkedeDokumenter ? context().closedDocuments
        : choice == kFavoritter                         ? context().favourites
                                                        : nullptr;
    if (list)
        list->showForNewFiles(checkNyListe->isChecked());
    for (const QString &file : files) {
        if (list)
            list->addFile(file, QFileInfo(file).fileName());
        else if (choice == kAabenTilRedigering)
            context().frame->funk()->openwin(file, {});
    }
}
