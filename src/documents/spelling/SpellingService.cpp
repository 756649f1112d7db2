#include "documents/spelling/SpellingService.h"

#include "app/FileMessages.h"

#include <QMetaObject>

#include <algorithm>
#include <chrono>

namespace {

// A bound on the cache of checked words, so a long session cannot grow it without end.
constexpr qsizetype kMostKnownWords = 100000;

bool hasDigit(QStringView word)
{
    return std::any_of(word.begin(), word.end(), [](QChar c) { return c.isDigit(); });
}

bool isAllCapitals(QStringView word)
{
    int capitals = 0;
    for (const QChar c : word) {
        if (c.isLower())
            return false;
        capitals += c.isUpper() ? 1 : 0;
    }
    return capitals > 1;
}

} // namespace

SpellingService::SpellingService(QStringList dictionaryFolders, QString userWordsPath, QObject *parent)
    : QObject(parent)
    , dictionaryFolders_(std::move(dictionaryFolders))
    , userWordsFile_(std::move(userWordsPath))
{
    switch (userWordsFile_.read()) {
    case SettingsFile::Status::Read:
        for (const QString &line : userWordsFile_.lines()) {
            const QString word = line.trimmed();
            if (!word.isEmpty() && !userWords_.contains(word))
                userWords_.append(word);
        }
        break;
    case SettingsFile::Status::Unreadable:
        readError_ = userWordsFile_.error();
        break;
    case SettingsFile::Status::Missing:
        break;
    }
    for (const QString &word : std::as_const(userWords_))
        accepted_.insert(word);
}

SpellingService::~SpellingService()
{
    // The loading thread tells this object when it is done; it must be done before the object goes.
    if (loading_.valid())
        loading_.wait();
}

void SpellingService::startLoading()
{
    if (loadingStarted_)
        return;
    loadingStarted_ = true;
    loading_ = std::async(std::launch::async, [this, folders = dictionaryFolders_] {
        auto opened = HunspellDictionary::open(folders, QString::fromLatin1(kDictionaryName));
        // Unless a check has waited for it meanwhile, the marks made without it are redone.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (loading_.valid() && dictionary())
                    Q_EMIT wordsChanged();
            },
            Qt::QueuedConnection);
        return opened;
    });
}

QString SpellingService::userWordsPath(const QString &settingsFolder)
{
    return settingsFolder + QStringLiteral("/Brugerordbog.txt");
}

HunspellDictionary *SpellingService::dictionary()
{
    startLoading();
    if (loading_.valid()) {
        dictionary_ = loading_.get();
        if (dictionary_) {
            for (const QString &word : std::as_const(userWords_))
                dictionary_->add(word);
        }
    }
    return dictionary_.get();
}

bool SpellingService::isAvailable()
{
    return dictionary() != nullptr;
}

bool SpellingService::isReady()
{
    startLoading();
    if (loading_.valid() && loading_.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return false;
    return dictionary() != nullptr;
}

bool SpellingService::isKnown(const QString &word)
{
    if (accepted_.contains(word))
        return true;
    const auto cached = known_.constFind(word);
    if (cached != known_.constEnd())
        return *cached;
    if (known_.size() >= kMostKnownWords)
        known_.clear();
    const bool known = dictionary()->isCorrect(word);
    known_.insert(word, known);
    return known;
}

bool SpellingService::isMisspelt(QStringView paragraph, const WordFinder::Word &word)
{
    if (!isAvailable())
        return false;
    const QStringView text = paragraph.sliced(word.start, word.length);
    if (hasDigit(text) || isAllCapitals(text))
        return false;
    const QString candidate = text.toString();
    if (isKnown(candidate))
        return false;
    const bool fullStopFollows = word.end() < paragraph.size() && paragraph[word.end()] == u'.';
    return !(fullStopFollows && isKnown(candidate + u'.'));
}

QStringList SpellingService::suggestions(const QString &word)
{
    return isAvailable() ? dictionary()->suggestions(word) : QStringList();
}

void SpellingService::accept(const QString &word)
{
    accepted_.insert(word);
    if (dictionary())
        dictionary()->add(word);
    known_.clear();
    Q_EMIT wordsChanged();
}

QString SpellingService::addWord(const QString &word)
{
    if (!userWords_.contains(word))
        userWords_.append(word);
    accept(word);
    if (!readError_.isEmpty())
        return FileMessages::writeFailure(userWordsFile_.path(), readError_);
    if (!userWordsFile_.write(userWords_))
        return FileMessages::writeFailure(userWordsFile_.path(), userWordsFile_.error());
    return {};
}

void SpellingService::ignore(const QString &word)
{
    accept(word);
}
