#include "archive/archive_location.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <QUrlQuery>

namespace korven {

namespace {

LocationParse postgresLocation(const QString& text) {
    const QUrl url(text, QUrl::StrictMode);
    ArchiveLocation location;
    location.kind = ArchiveLocation::Kind::PostgreSql;
    location.database = url.path(QUrl::FullyDecoded).mid(1);
    if (!url.isValid() || location.database.isEmpty() || location.database.contains(u'/'))
        return {std::nullopt,
                QStringLiteral("%1 is no PostgreSQL address: postgresql://USER@HOST[:PORT]/DB or "
                               "postgresql:///DB?host=/socket/dir")
                    .arg(text)};
    location.user = url.userName(QUrl::FullyDecoded);
    location.password = url.password(QUrl::FullyDecoded);
    location.host = url.host(QUrl::FullyDecoded);
    location.port = url.port(-1);
    const QUrlQuery query(url);
    if (location.host.isEmpty())
        location.host = query.queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    if (location.user.isEmpty())
        location.user = query.queryItemValue(QStringLiteral("user"), QUrl::FullyDecoded);
    return {location, {}};
}

} // namespace

QString ArchiveLocation::name() const {
    if (kind == Kind::SqliteFile)
        return file;
    QUrl url;
    url.setScheme(QStringLiteral("postgresql"));
    url.setUserName(user);
    if (!host.startsWith(u'/'))
        url.setHost(host);
    url.setPort(port);
    url.setPath(u'/' + database);
    if (host.startsWith(u'/'))
        url.setQuery(QStringLiteral("host=") + host);
    return url.toString();
}

QString defaultArchivePath(const QString& programFolder) {
    return QDir(programFolder).filePath(QStringLiteral("korven-archive.sqlite"));
}

LocationParse parseArchiveLocation(const QString& text, const QString& programFolder) {
    if (text.startsWith(QStringLiteral("postgresql:"), Qt::CaseInsensitive) ||
        text.startsWith(QStringLiteral("postgres:"), Qt::CaseInsensitive))
        return postgresLocation(text);
    ArchiveLocation location;
    location.file =
        QFileInfo(text.isEmpty() ? defaultArchivePath(programFolder) : text).absoluteFilePath();
    return {location, {}};
}

} // namespace korven
