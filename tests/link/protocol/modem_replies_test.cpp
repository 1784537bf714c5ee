#include "link/protocol/modem_replies.h"

#include <gtest/gtest.h>

namespace korven {
namespace {

TEST(ModemReplies, CallIsUpWhenCharactersOneToFiveStartConnect) {
    EXPECT_TRUE(answersConnect("\r\nCONNECT 9600\r\n"));
    EXPECT_TRUE(answersConnect("CONNECT 2400\r\n"));
    EXPECT_TRUE(answersConnect("\r\n\r\nCONNECT 9600"));
    // A "C" of something else first, or "CONNECT" too far in, is no call.
    EXPECT_FALSE(answersConnect("\r\nCARRIER CONNECT"));
    EXPECT_FALSE(answersConnect("\r\n\r\n\r\nCONNECT 9600"));
    EXPECT_FALSE(answersConnect("\r\nNO CARRIER\r\n\r\n"));
    EXPECT_FALSE(answersConnect("\r\nBUSY\r\n\r\nBUSY\r\n"));
    EXPECT_FALSE(answersConnect("\r\nCONNEC"));
}

TEST(ModemReplies, OkIsCharactersThreeAndFour) {
    EXPECT_TRUE(answersOk("\r\nOK\r\n"));
    EXPECT_FALSE(answersOk("OK\r\n"));
    EXPECT_FALSE(answersOk("\r\nERROR\r\n"));
    EXPECT_FALSE(answersOk("\r\nO"));
}

} // namespace
} // namespace korven
