// The poll loop keeps the loop's rules.
#include "platform/PollEventLoop.h"
#include "support/EventLoopContract.h"

namespace parlevox::test {

INSTANTIATE_TYPED_TEST_SUITE_P(Poll, EventLoopContract, PollEventLoop);

}  // namespace parlevox::test
