#include "TestFrame.h"

namespace support {

BEGIN_MESSAGE_MAP(TestFrame, CFrameWnd)
ON_WM_PAINT()
END_MESSAGE_MAP()

} // namespace support
