// A byte stream from the network, cut into reads of the sizes the input's
// first byte picks: the framer follows it or stops at a type it cannot frame,
// and every message it frames decodes to fields that encode back the same.
#include <cstring>
#include <deque>

#include "FuzzSupport.h"
#include "net/WireFormat.h"

using namespace ravel;

namespace {

// Decoded, encoded and decoded again: the same message, its names ended.
template <class Message>
void RoundTrip(const cCommMessage& m) {
    Message first, second;
    if (!Decode(m.mv_data.data(), m.Size(), first)) return;
    const std::vector<uint8_t> bytes = Encode(first);
    fuzz::Expect(bytes.size() == m.Size(), "a message encodes to another length");
    fuzz::Expect(Decode(bytes.data(), bytes.size(), second), "an encoded message does not decode");
    fuzz::Expect(Encode(second) == bytes, "a message changes on its way round");
}

void Check(const cCommMessage& m) {
    fuzz::Expect(m.Size() == MessageSize(m.Type()) && m.Left() == 0, "a framed message of the wrong size");
    switch (m.Type()) {
        case MSG_LOGIN_REQUEST: {
            RoundTrip<LoginRequest>(m);
            LoginRequest request;
            if (Decode(m.mv_data.data(), m.Size(), request)) {
                fuzz::Expect(std::memchr(request.m_name, '\0', NAME_SIZE), "a name without its end");
                for (char c : PrintableName(request.m_name))
                    fuzz::Expect(c >= ' ' && c <= '~', "a printed name with a byte that does not print");
            }
            break;
        }
        case MSG_LOGIN_REPLY:
            RoundTrip<LoginReply>(m);
            break;
        case MSG_CONNECT_NOTICE:
            RoundTrip<ConnectNotice>(m);
            break;
        case MSG_CLIENT_PACKET:
            RoundTrip<ClientPacket>(m);
            break;
        default:
            fuzz::Expect(false, "a message of a type with no size was framed");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const size_t chunk = data[0] % 80 + 1;
    cMessageFramer framer;
    std::deque<cCommMessage> done;
    size_t messages = 0;
    for (size_t at = 1; at < size; at += chunk) {
        const bool followed = framer.Feed(data + at, std::min(chunk, size - at), done);
        fuzz::Expect(followed != framer.Broken(), "the framer says it follows a broken stream");
        for (; !done.empty(); done.pop_front(), ++messages) Check(done.front());
    }
    fuzz::Report("%zu messages%s", messages, framer.Broken() ? ", then a type with no size" : "");
    return 0;
}
