// Log-in's calls over the client library's and the model library's real exports.
#pragma once

#include "shell/workspace/login.h"

LoginCalls& ExportLoginCalls();
