#include "mainwindow/helppages.h"

#include "platform/webpage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace HelpPages {

namespace {

struct Addresses
{
    const char *otherLanguages;
    const char *chinese;
};

// Every address of the Help menu, in one place. The guide ships with the
// program (resources/help); the contact form is on the maker's site.
const Addresses help{"qrc:/help/guide.html", "qrc:/help/guide_zh.html"};
const Addresses contact{"https://www.vantok.com/scrivlet/contact/",
                        "https://www.vantok.com/zh-cn/scrivlet/contact/"};

QByteArray readAll(const QString &path, bool *ok)
{
    QFile file(path);
    *ok = file.open(QIODevice::ReadOnly);
    return *ok ? file.readAll() : QByteArray();
}

} // namespace

QUrl address(Page page, const QString &language)
{
    const Addresses &pair = page == Page::Help ? help : contact;
    // Case matters: the codes are written "zh_CN" and "zh_TW".
    const bool chinese = language.startsWith(QLatin1String("zh"));
    return QUrl(QString::fromLatin1(chinese ? pair.chinese : pair.otherLanguages));
}

QUrl openableAddress(const QUrl &address, const QString &folder)
{
    if (address.scheme() != QLatin1String("qrc"))
        return address;
    bool ok = false;
    const QByteArray page = readAll(QLatin1Char(':') + address.path(), &ok);
    if (!ok || folder.isEmpty() || !QDir().mkpath(folder))
        return QUrl();
    const QString path = folder + QLatin1Char('/') + QFileInfo(address.path()).fileName();
    bool present = false;
    if (readAll(path, &present) == page && present)
        return QUrl::fromLocalFile(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(page) != page.size() || !file.commit())
        return QUrl();
    return QUrl::fromLocalFile(path);
}

QString defaultFolder()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return cache.isEmpty() ? QString() : cache + QLatin1String("/help");
}

QString displayLocation(const QUrl &url)
{
    return url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toDisplayString();
}

void open(Page page, const QString &language, QObject *context,
          const std::function<void(const QString &location)> &failed)
{
    const QUrl url = openableAddress(address(page, language), defaultFolder());
    if (url.isEmpty()) {
        WebPage::open(url, context, [failed] { failed(QString()); });
        return;
    }
    WebPage::open(url, context, [failed, url] { failed(displayLocation(url)); });
}

} // namespace HelpPages
