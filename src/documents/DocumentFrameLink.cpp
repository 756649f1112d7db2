#include "documents/DocumentFrameLink.h"

#include "app/AppContext.h"
#include "app/DocumentInfoWidgets.h"
#include "app/DocumentListEvents.h"
#include "app/FrameInterface.h"
#include "app/Options.h"
#include "app/TooltipSwitch.h"
#include "documents/DocumentArea.h"
#include "documents/DocumentWindow.h"
#include "documents/model/Document.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>

DocumentFrameLink::DocumentFrameLink(AppContext &context, Document &document, DocumentWindow &window)
    : QObject(&window)
    , context_(context)
    , document_(document)
    , window_(window)
{
    connect(&document, &Document::modifiedChanged, this, [this](bool modified) {
        if (isActive())
            context_.fields.docModified = modified;
    });
    connect(&document, &Document::captionChanged, this, &DocumentFrameLink::captionChanged);
    // The tab shows both.
    connect(&document, &Document::modifiedChanged, &window, &DocumentWindow::modificationChanged);
    connect(&document, &Document::saved, &window, &DocumentWindow::saved);
    connect(&document, &Document::fileNameChanged, this, [this](const QString &fileName) {
        if (isActive())
            context_.fields.dokumentFilnavn = fileName;
    });
    // The frame's list of open documents follows the name, and a file that came into being by a save.
    connect(&document, &Document::fileNameChanged, &window, &DocumentWindow::fileNameChanged);
    connect(&document, &Document::saved, &window, &DocumentWindow::fileNameChanged);
    connect(&document, &Document::savedAs, this, [this](const QString &fileName, const QString &caption) {
        context_.fields.dokumentFilnavn = fileName;
        if (QFileInfo::exists(fileName) && context_.documentLists)
            context_.documentLists->documentSavedAs(fileName, caption);
    });
}

bool DocumentFrameLink::isActive() const
{
    return context_.frame->documents()->activeDocument() == &window_;
}

void DocumentFrameLink::captionChanged(const QString &, const QString &newCaption)
{
    if (!opstart_)
        context_.frame->RenameTab(&window_, newCaption);
    window_.setWindowTitle(newCaption);
}

void DocumentFrameLink::opened()
{
    if (context_.documentLists)
        context_.documentLists->documentOpened(document_.Filnavn(), document_.capNavn());
}

void DocumentFrameLink::FormActivate()
{
    FrameFields &fields = context_.fields;
    fields.docModified = document_.isModified();
    context_.frame->udskrivFilInfo();
    const DocumentInfoWidgets &info = context_.frame->infoWidgets();
    if (document_.hasFile()) {
        context_.currentFolder.setPath(QFileInfo(document_.Filnavn()).absolutePath());
        info.docFilnavnEdit->setText(QFileInfo(document_.Filnavn()).fileName());
        info.docFilnavnEdit->setToolTip(context_.currentFolder.path());
    } else {
        info.docFilnavnEdit->setText(QStringLiteral("Dokumentet har ikke noget navn"));
    }
    fields.dokumentFilnavn = document_.Filnavn();
    if (opstart_) {
        opstart_ = false;
        if (auto *subWindow = qobject_cast<QMdiSubWindow *>(window_.parentWidget()))
            subWindow->showMaximized();
        context_.frame->InsertTab();
        context_.frame->SetTCindex();
        context_.frame->setTabLoading(&window_, document_.isLoading());
        // Hints on the status line mean no tooltips here; otherwise the window shows its own, even
        // when no other window of the program does.
        TooltipSwitch::setShown(&window_, context_.options->hintMode() != Options::HintMode::StatusLine);
    }
    context_.frame->fokusTab(&window_);
}

void DocumentFrameLink::show(const FileInformation &information)
{
    const DocumentInfoWidgets &info = context_.frame->infoWidgets();
    info.filnavnEdit->setText(information.name);
    info.filsizeLabel->setText(information.size);
    info.antalLinjerLabel->setText(information.lines);
    info.filModificeretLabel->setText(information.saved);
    info.setName(information.name);
}

void DocumentFrameLink::FormClose()
{
    if (context_.frame->documents()->windowsInOrder().size() == 1) {
        context_.frame->infoWidgets().reset();
        context_.fields.dokumentFilnavn.clear();
    }
    // On the program's way out the lists are not kept, so nothing is moved (and no duplicate asked about).
    if (document_.hasFile() && context_.documentLists && !context_.fields.programClosing)
        context_.documentLists->documentClosed(document_.Filnavn(), document_.capNavn());
    context_.frame->CloseTab(&window_);
}
