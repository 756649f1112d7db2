#include "lists/TwoPanelBox.h"

#include "app/AppContext.h"
#include "app/FileMessages.h"
#include "app/WhenIdle.h"
#include "lists/FileListBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QResizeEvent>
#include <QVBoxLayout>

TwoPanelBox::TwoPanelBox(AppContext &context, const QString &caption, const QString &settingsName)
    : ToolBox(context, caption)
    , left_(new QWidget(this))
    , right_(new QWidget(this))
    , settings_(std::make_unique<SettingsFile>(context.fields.OptMappe + u'/' + settingsName))
{
    infoBar = new QLabel(this);
    infoBar->setObjectName(QStringLiteral("infoBar"));
    infoBar->setFrameShape(QFrame::StyledPanel);
    infoBar->setMinimumWidth(1);

    left_->setFixedWidth(kLeftPanelWidth);
    right_->setMinimumWidth(kPanelMinWidth);
    auto *panels = new QHBoxLayout;
    panels->setContentsMargins(0, 0, 0, 0);
    panels->addWidget(left_);
    panels->addWidget(right_, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(panels, 1);
    layout->addWidget(infoBar);
    setMinimumWidth(2 * kPanelMinWidth + 24);
    defaultGeometry();
}

void TwoPanelBox::startIdleUpdates()
{
    WhenIdle::run(this, [this] { updateActions(); });
}

void TwoPanelBox::defaultGeometry()
{
    resize(kDefaultWidth, kDefaultHeight);
    move(kDefaultLeft, kDefaultTop);
}

std::vector<SettingsLine> TwoPanelBox::geometryLines()
{
    return {
        SettingsLine::integer([this](int value) { resize(value, height()); }),
        SettingsLine::integer([this](int value) { resize(width(), value); }),
        SettingsLine::integer([this](int value) { move(value, y()); }),
        SettingsLine::integer([this](int value) { move(x(), value); }),
    };
}

QStringList TwoPanelBox::geometryValues() const
{
    return { QString::number(width()), QString::number(height()), QString::number(x()),
        QString::number(y()) };
}

void TwoPanelBox::readSettings(const std::function<void()> &defaults, const std::vector<SettingsLine> &lines)
{
    switch (settings_->read()) {
    case SettingsFile::Status::Missing:
        defaults();
        return;
    case SettingsFile::Status::Unreadable:
        break;
    case SettingsFile::Status::Read:
        if (settings_->apply(lines))
            return;
        break;
    }
    context().inform(SettingsFile::startupFailureMessage());
}

void TwoPanelBox::writeSettings(const QStringList &lines)
{
    if (!settings_->write(lines))
        context().inform(FileMessages::writeFailure(settings_->path(), settings_->error()));
}

void TwoPanelBox::resizeEvent(QResizeEvent *event)
{
    ToolBox::resizeEvent(event);
    if (opstart) {
        opstart = false;
        return;
    }
    left_->setFixedWidth(std::max(kPanelMinWidth, width() / 2 - 12));
}

QLabel *TwoPanelBox::namedLabel(const char *name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

FileListBox *TwoPanelBox::namedListBox(const char *name, QWidget *parent)
{
    auto *box = new FileListBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}
