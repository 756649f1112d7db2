#include "documents/PlainEditor.h"
#include "documents/links/LinkActivation.h"
#include "support/TestPlatform.h"

#include <QToolTip>
#include <QtTest>

class LinkActivationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void ctrlClickOpensTheAddress();
    void plainClickOnlyPlacesTheCaret();
    void clickBesideTheAddressOpensNothing();
    void tooltipShowsTheAddress();
    void refusedAddressIsReportedWithItsCode();

private:
    QPoint pointAt(int position) const;

    RecordingShell shell_;
    QList<int> failures_;
    std::unique_ptr<PlainEditor> editor_;
};

void LinkActivationTest::init()
{
    shell_.calls.clear();
    shell_.result = Shell::Accepted;
    failures_.clear();
    editor_ = std::make_unique<PlainEditor>();
    editor_->resize(500, 200);
    editor_->setPlainText(QStringLiteral("Se www.dr.dk i dag\nog ikke her"));
    new LinkActivation(*editor_, shell_, [this](int code) { failures_.append(code); });
    editor_->show();
    QVERIFY(QTest::qWaitForWindowExposed(editor_.get()));
}

void LinkActivationTest::cleanup()
{
    editor_.reset();
}

// The middle of the character at the position, in viewport coordinates.
QPoint LinkActivationTest::pointAt(int position) const
{
    QTextCursor left(editor_->document());
    left.setPosition(position);
    QTextCursor right(left);
    right.setPosition(position + 1);
    const QRect a = editor_->cursorRect(left);
    const QRect b = editor_->cursorRect(right);
    return QPoint((a.x() + b.x()) / 2, a.center().y());
}

void LinkActivationTest::ctrlClickOpensTheAddress()
{
    QTest::mouseClick(editor_->viewport(), Qt::LeftButton, Qt::ControlModifier, pointAt(5));
    QCOMPARE(shell_.calls.size(), 1);
    QCOMPARE(shell_.calls.first().operation, QStringLiteral("openAddress"));
    QCOMPARE(shell_.calls.first().target, QStringLiteral("www.dr.dk"));
    QCOMPARE(failures_, QList<int>());
}

void LinkActivationTest::plainClickOnlyPlacesTheCaret()
{
    QTest::mouseClick(editor_->viewport(), Qt::LeftButton, Qt::NoModifier, pointAt(5));
    QCOMPARE(shell_.calls.size(), 0);
    QVERIFY(qAbs(editor_->textCursor().position() - 5) <= 1);
}

void LinkActivationTest::clickBesideTheAddressOpensNothing()
{
    QTest::mouseClick(editor_->viewport(), Qt::LeftButton, Qt::ControlModifier, pointAt(14));
    const QPoint rightOfLine(editor_->viewport()->width() - 5, pointAt(5).y());
    QTest::mouseClick(editor_->viewport(), Qt::LeftButton, Qt::ControlModifier, rightOfLine);
    QCOMPARE(shell_.calls.size(), 0);
}

void LinkActivationTest::tooltipShowsTheAddress()
{
    const QPoint point = pointAt(8);
    QHelpEvent help(QEvent::ToolTip, point, editor_->viewport()->mapToGlobal(point));
    QCoreApplication::sendEvent(editor_->viewport(), &help);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("www.dr.dk"));

    const QPoint plain = pointAt(22);
    QHelpEvent elsewhere(QEvent::ToolTip, plain, editor_->viewport()->mapToGlobal(plain));
    QCoreApplication::sendEvent(editor_->viewport(), &elsewhere);
    QTRY_VERIFY(!QToolTip::isVisible());
}

void LinkActivationTest::refusedAddressIsReportedWithItsCode()
{
    shell_.result = Shell::NoAssociation;
    QTest::mouseClick(editor_->viewport(), Qt::LeftButton, Qt::ControlModifier, pointAt(5));
    QCOMPARE(failures_, QList<int> { Shell::NoAssociation });
}

QTEST_MAIN(LinkActivationTest)
#include "tst_LinkActivation.moc"
