#include "documents/model/Document.h"

#include "app/AppContext.h"
#include "app/FileMessages.h"
#include "app/FrameInterface.h"
#include "documents/TFunktioner.h"
#include "documents/model/DocumentFormat.h"
#include "platform/widgets/FileDialogs.h"

#include <QFileInfo>
#include <QTextDocument>

namespace {

const QString kSaveFilter = QStringLiteral(
    "Tekstdokument (.txt) (*.txt);;Rich Tekstdokument (.rtf) (*.rtf);;Alle filtyper (*.*) (*)");

QString bareName(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace

Document::Document(AppContext &context, QTextDocument &text, DocumentFormat &format, QObject *parent)
    : QObject(parent)
    , context_(context)
    , text_(text)
    , format_(format)
    , Filnavn_(context.fields.docFilnavn)
    , number_(context.fields.newCount)
{
    capNavn_ = hasFile() ? bareName(Filnavn_) : numberedCaption();
    connect(&text_, &QTextDocument::modificationChanged, this, &Document::modifiedChanged);
}

QString Document::numberedCaption() const
{
    return QString::number(number_) + QStringLiteral(". Dokument");
}

bool Document::hasFile() const
{
    return !Filnavn_.isEmpty() && QFileInfo::exists(Filnavn_);
}

bool Document::isModified() const
{
    return text_.isModified();
}

void Document::setModified(bool modified)
{
    text_.setModified(modified);
}

void Document::setCaption(const QString &caption)
{
    if (caption == capNavn_)
        return;
    const QString old = capNavn_;
    capNavn_ = caption;
    Q_EMIT captionChanged(old, capNavn_);
}

void Document::setFileName(const QString &fileName)
{
    Filnavn_ = fileName;
    Q_EMIT fileNameChanged(Filnavn_);
}

void Document::readFailed(const QString &reason)
{
    context_.inform(FileMessages::readFailure(Filnavn_, reason));
    setFileName(QString());
    setCaption(numberedCaption());
}

bool Document::refuseWhileLoading() const
{
    if (!loading_)
        return false;
    context_.inform(QStringLiteral("Dokumentet:\r") + capNavn_
        + QStringLiteral("\rindlæses stadig. Det kan gemmes, når hele filen er indlæst."));
    return true;
}

const QTextDocument *Document::printableText() const
{
    if (!loading_)
        return &text_;
    context_.inform(QStringLiteral("Dokumentet:\r") + capNavn_
        + QStringLiteral("\rindlæses stadig. Det kan udskrives, når hele filen er indlæst."));
    return nullptr;
}

bool Document::writeTo(const QString &path)
{
    const QString question = format_.questionBeforeWritingOver(path);
    if (!question.isEmpty() && !context_.ask(question, AppContext::Safe::No))
        return false;
    if (!format_.write(path, text_)) {
        context_.inform(FileMessages::writeFailure(path, format_.error()));
        return false;
    }
    setModified(false);
    Q_EMIT saved(path);
    if (const QString notice = format_.noticeAfterWriting(capNavn_); !notice.isEmpty())
        context_.inform(notice);
    return true;
}

bool Document::Gem()
{
    if (refuseWhileLoading())
        return false;
    if (hasFile())
        return writeTo(Filnavn_);
    if (!Filnavn_.isEmpty()) {
        if (context_.ask(
                QStringLiteral("Skal dokumentet gemmes med følgende filnavn:\r") + bareName(Filnavn_) + u'?',
                AppContext::Safe::Yes))
            return writeTo(Filnavn_);
        setFileName(QString());
    }
    return GemSom();
}

bool Document::GemSom()
{
    if (refuseWhileLoading())
        return false;
    const QString suggested = hasFile() ? Filnavn_ : QStringLiteral("UdenNavn");
    QString filter
        = kSaveFilter.section(QStringLiteral(";;"), format_.saveFilterEntry(), format_.saveFilterEntry());
    QString chosen = context_.platform.fileDialogs.saveFile(
        context_.frame->frameWidget(), QString(), suggested, kSaveFilter, &filter);
    if (chosen.isEmpty())
        return false;
    if (!bareName(chosen).contains(u'.'))
        chosen += format_.defaultExtension();
    if (QFileInfo::exists(chosen)
        && !context_.ask(
            QStringLiteral("Der eksisterer allerede en fil med indførte navn.\rSkal filen overskrives?"),
            AppContext::Safe::No))
        return false;

    // The window takes the new name before the write, as the caption and the tab show it.
    setFileName(chosen);
    setCaption(bareName(chosen));
    if (!writeTo(Filnavn_))
        return false;
    Q_EMIT savedAs(Filnavn_, capNavn_);
    return true;
}

bool Document::FormCloseQuery()
{
    if (!isModified())
        return true;
    // Escape and the close box go back to the text; only "Nej" throws it away.
    switch (context_.askSave(
        QStringLiteral("Dokumentet: ") + capNavn_ + QStringLiteral("\rer modificeret.\rSkal det gemmes?"))) {
    case AppContext::SaveChoice::Discard:
        return true;
    case AppContext::SaveChoice::GoBack:
        return false;
    case AppContext::SaveChoice::Save:
        break;
    }
    Gem();
    // Asked to keep the text, and it was not saved (save dialog cancelled, write failed): stay open.
    return !isModified();
}

FileInformation Document::filInformation(const std::function<TextCounts()> &count)
{
    FileInformation info;
    if (loading_) {
        info.naming = FileInformation::Naming::Loading;
        info.name = capNavn_;
        info.size = QStringLiteral("Dokumentet indlæses ...");
        return info;
    }
    const TextCounts counts = count();
    const QString characters = QString::number(counts.characters);
    info.lines = QStringLiteral("Antal linjer: ") + QString::number(counts.lines);
    if (hasFile()) {
        info.naming = FileInformation::Naming::File;
        info.name = bareName(Filnavn_);
        info.size = QStringLiteral("Filstørrelse: ") + TFunktioner::getFileSizeString(Filnavn_)
            + QStringLiteral(" (") + characters + QStringLiteral(" tegn)");
        info.saved
            = isModified() ? QStringLiteral("Dokumentet er ikke gemt") : QStringLiteral("Dokumentet er gemt");
    } else if (!Filnavn_.isEmpty()) {
        info.naming = FileInformation::Naming::Vanished;
        info.name = bareName(Filnavn_);
        info.size = QStringLiteral("Antal tegn: ") + characters;
        info.saved = QStringLiteral("Dokumentet eksisterer ikke. Muligvis slettet eller omdøbt.");
        setModified(true);
    } else {
        info.naming = FileInformation::Naming::Unnamed;
        info.name = QStringLiteral("Dokumentet har ikke noget navn.");
        info.size = QStringLiteral("Antal tegn: ") + characters;
        info.saved = QStringLiteral("Dokumentet er ikke gem.");
    }
    return info;
}
