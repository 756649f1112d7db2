#include "support/TestApp.h"

#include "frame/Tmainform.h"
#include "frame/WindowSet.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

QString temporaryRoot(const QTemporaryDir &dir)
{
    qputenv("SKRIVORA_ROOT", dir.path().toLocal8Bit());
    return dir.path();
}

} // namespace

TestApp::TestApp()
    : platform(QString())
    , context(platform.platform())
{
    platform.platform().dataRoot = temporaryRoot(root_);
}

TestApp::~TestApp() = default;

QString TestApp::settingsFolder() const
{
    return root() + QStringLiteral("/Brugere/") + platform.platform().userName
        + QStringLiteral("/Egenskaber");
}

void TestApp::writeSettingsFile(const QString &name, const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(settingsPath(name)).absolutePath());
    QFile file(settingsPath(name));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray TestApp::readSettingsFile(const QString &name) const
{
    QFile file(settingsPath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString TestApp::writeFile(const QString &name, const QByteArray &bytes) const
{
    const QString path = root() + QStringLiteral("/filer/") + name;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write test file %s", qPrintable(path));
    file.write(bytes);
    return path;
}

void TestApp::create()
{
    windows_ = std::make_unique<WindowSet>(context);
}

void TestApp::start(const QStringList &commandLine)
{
    if (!windows_)
        create();
    frame().setCommandLineFiles(commandLine);
    frame().show();
}

bool TestApp::close()
{
    return frame().close();
}

void TestApp::restart()
{
    if (windows_) {
        close();
        windows_.reset();
    }
    context.fields = FrameFields();
    context.documentLists = nullptr;
    start();
}

Tmainform &TestApp::frame() const
{
    return windows_->frame();
}
