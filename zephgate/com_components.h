#pragma once
// The server's COM components by their ProgIDs (Windows; components_win32.cpp).
#include "components.h"

namespace gate {

class ComComponentFactory final : public ComponentFactory {
 public:
  Created<DirectoryComponent> MakeDirectory() override;
  Created<AdminConfigComponent> MakeAdminConfig() override;
  Created<FileTransferComponent> MakeFileTransfer() override;
  Created<PasswordEncoderComponent> MakePasswordEncoder() override;
};

}  // namespace gate
