#include "document/OldFileList.h"

namespace zentrope {

std::unique_ptr<TOldFileList> OldFileList;

TOldFileList::TOldFileList() = default;

} // namespace zentrope
