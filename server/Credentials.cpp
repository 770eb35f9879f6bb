#include "server/Credentials.h"

namespace tolvane::server {

Credentials defaultCredentials() {
    return {TOLVANE_SERVER_UPDATE_USER, TOLVANE_SERVER_UPDATE_PASSWORD, TOLVANE_SERVER_UPLOAD_USER,
            TOLVANE_SERVER_UPLOAD_PASSWORD};
}

} // namespace tolvane::server
