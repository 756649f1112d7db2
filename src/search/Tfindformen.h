#pragma once

#include "app/ToolBox.h"

#include <memory>

class FilterPage;
class QAction;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class SearchPage;
class SettingsFile;

// The find-text-in-documents box: a text searched for in the files of one type below a folder, every
// occurrence listed with its document, position and line; a second page keeps the list of file types.
// Its controls are built when it is first shown: made at start, they cost a fifth of the program's start.
class Tfindformen : public ToolBox {
    Q_OBJECT

public:
    static constexpr int kDefaultLeft = 20;
    static constexpr int kDefaultTop = 40;
    static constexpr int kDefaultHeight = 580;
    static constexpr int kWidth = 720;

    explicit Tfindformen(AppContext &context);
    ~Tfindformen() override;

    // The search folder, as the folder field holds it.
    QString Mappe() const;

    // Null until the box is first shown.
    QPushButton *ButtonInfo = nullptr;
    QPushButton *ButtonLuk = nullptr;
    QLineEdit *dirEdit = nullptr;
    QToolButton *browseButton = nullptr;
    QTabWidget *pageBog = nullptr;
    SearchPage *searchPage = nullptr;
    FilterPage *filterPage = nullptr;
    QAction *aAktuelle = nullptr;

protected:
    void buildAtFirstShow() override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void HentOpt();
    void GemOpt();
    void firstShow();
    void chooseFolder();
    void updateCommands();

    std::unique_ptr<SettingsFile> settings_;
    bool opstart_ = true;
};
