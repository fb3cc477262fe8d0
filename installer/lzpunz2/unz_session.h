// The one expansion per process that the library's entry points drive, with their results.
#pragma once

#include "installer/lzpunz2/expander.h"
#include "installer/lzpunz2/lzpunz2.h"

namespace lzpunz {

class UnzSession {
  public:
    // Ends any expansion still open (a caller that gave up on a file may not have closed it),
    // then starts one in the only mode there is. 0, or -1 for another mode, no input or input
    // that is not a compressed file; nothing is open after a failure.
    int Open(LzpUnzInput input, int mode);
    // The expander's result; -1 when nothing is open.
    int Read(void* buffer, int count);
    // 0 when an expansion was open, -1 otherwise.
    int Close();

  private:
    Expander expander_;
    bool open_ = false;
};

}  // namespace lzpunz
