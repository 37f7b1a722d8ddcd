#include "platform/appidentity.h"

// windows.h first: shobjidl.h relies on its types.
#include <windows.h>

#include <sddl.h>
#include <shobjidl.h>

#include <vector>

namespace {

// The current user's SID as text (S-1-5-21-...); empty when unreadable.
QString userSid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return QString();
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    QString out;
    if (size > 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
        wchar_t *text = nullptr;
        if (ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER *>(buffer.data())->User.Sid,
                                   &text)) {
            out = QString::fromWCharArray(text);
            LocalFree(text);
        }
    }
    CloseHandle(token);
    return out;
}

} // namespace

namespace AppIdentity {

void setProcessAppId(const QString &id)
{
    SetCurrentProcessExplicitAppUserModelID(reinterpret_cast<PCWSTR>(id.utf16()));
}

QString localServerName(const QString &name, QString *)
{
    // A pipe name is machine-wide: the user and the session make it this
    // user's channel in this session, so that another user has one of their
    // own and a start in another session does not reach this one.
    const QString sid = userSid();
    DWORD session = 0;
    if (sid.isEmpty() || !ProcessIdToSessionId(GetCurrentProcessId(), &session))
        return QString();
    return QStringLiteral("\\\\.\\pipe\\%1-%2-%3").arg(name, sid).arg(session);
}

} // namespace AppIdentity
