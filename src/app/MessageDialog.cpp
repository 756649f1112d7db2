#include "app/MessageDialog.h"

#include "platform/widgets/ModalRunner.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace {

constexpr int kTextMargin = 8;
constexpr int kPictureSize = 16;

QLabel *picture(QStyle::StandardPixmap which, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setPixmap(parent->style()->standardIcon(which).pixmap(kPictureSize, kPictureSize));
    label->setFixedSize(kPictureSize, kPictureSize);
    return label;
}

} // namespace

MessageDialog::MessageDialog(QWidget *parent, const QString &caption, QStyle::StandardPixmap picturePixmap)
    : QDialog(parent,
        Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::WindowStaysOnTopHint)
    , label_(new QLabel(this))
    , buttons_(new QHBoxLayout)
{
    setWindowTitle(caption);
    setModal(true);
    setMinimumWidth(kWidth);
    setMaximumWidth(kWidth);

    label_->setWordWrap(true);
    label_->setTextFormat(Qt::PlainText);
    label_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *row = new QWidget(this);
    row->setFixedHeight(kButtonRowHeight);
    auto *rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(kTextMargin, 0, kTextMargin, 0);
    // One picture, at the left end; the same room at the right keeps the buttons in the middle.
    rowLayout->addWidget(picture(picturePixmap, this));
    rowLayout->addStretch();
    rowLayout->addLayout(buttons_);
    rowLayout->addStretch();
    rowLayout->addSpacing(kPictureSize);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(kTextMargin, kTextMargin, kTextMargin, kTextMargin);
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    layout->addWidget(label_);
    layout->addStretch();
    layout->addWidget(row);

    resetValues();
}

void MessageDialog::insertTekst(const QString &text)
{
    // A message breaks its lines with a carriage return.
    QString lines = text;
    lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    lines.replace(u'\r', u'\n');
    label_->setText(lines);
}

void MessageDialog::resetValues()
{
    label_->clear();
    QFont font = label_->font();
    font.setPointSize(8);
    label_->setFont(font);
}

QString MessageDialog::text() const
{
    return label_->text();
}

void MessageDialog::fitHeightToText()
{
    QFont font = label_->font();
    font.setPointSize(10);
    label_->setFont(font);
    const int textWidth = kWidth - 2 * kTextMargin;
    const int textHeight
        = QFontMetrics(font)
              .boundingRect(QRect(0, 0, textWidth, 1 << 20), Qt::TextWordWrap | Qt::AlignLeft, label_->text())
              .height();
    label_->setFixedSize(textWidth, textHeight);
    setFixedSize(kWidth, textHeight + kHeightBesideText);
}

int MessageDialog::showModal(ModalRunner &runner)
{
    fitHeightToText();
    const int result = runner.exec(*this);
    resetValues();
    return result;
}
