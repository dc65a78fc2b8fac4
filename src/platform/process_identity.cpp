#include "platform/process_identity.h"

#include <optional>
#include <vector>

#include "platform/handles.h"

namespace {

struct Identity {
    DWORD session = 0;
    std::vector<BYTE> user;  // the token's TOKEN_USER, whose SID points into it
};

// Both facts come from the process's token, which the limited query right opens (ProcessIdToSessionId
// would need the full one, which an elevated process of the same user refuses).
std::optional<Identity> IdentityOf(HANDLE process) {
    HANDLE rawToken = nullptr;
    if (!::OpenProcessToken(process, TOKEN_QUERY, &rawToken)) return std::nullopt;
    const KernelHandle token(rawToken);
    Identity identity;
    DWORD size = 0;
    if (!::GetTokenInformation(token.get(), TokenSessionId, &identity.session, sizeof(identity.session), &size))
        return std::nullopt;
    ::GetTokenInformation(token.get(), TokenUser, nullptr, 0, &size);
    if (size < sizeof(TOKEN_USER)) return std::nullopt;
    identity.user.resize(size);
    if (!::GetTokenInformation(token.get(), TokenUser, identity.user.data(), size, &size)) return std::nullopt;
    return identity;
}

PSID UserSid(const Identity& identity) { return reinterpret_cast<const TOKEN_USER*>(identity.user.data())->User.Sid; }

}  // namespace

bool RunsAsOurUserInOurSession(DWORD processId) {
    static const std::optional<Identity> ours = IdentityOf(::GetCurrentProcess());
    if (!ours) return false;
    const KernelHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) return false;
    const std::optional<Identity> theirs = IdentityOf(process.get());
    return theirs && theirs->session == ours->session && ::EqualSid(UserSid(*theirs), UserSid(*ours));
}
