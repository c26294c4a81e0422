// The line settings text: each accepted form reads back the same, and each refusal says what is
// wrong instead of opening a line the user did not ask for (libmodbus opens an unknown baud
// rate at 9600).

#include <gtest/gtest.h>

#include "plc/PlcLink.h"

using namespace zorv::plc;

TEST(LinkSettings, AcceptedFormsReadBack) {
    struct Case {
        const char* text;
        const char* back;
    };
    for (const Case& c : {Case{"tcp://127.0.0.1:5020", "tcp://127.0.0.1:5020"},
                          Case{"tcp://plc-7.local:1", "tcp://plc-7.local:1"},
                          Case{"tcp://[::1]:65535", "tcp://[::1]:65535"},
                          Case{"rtu:/dev/ttyUSB0:9600,e,8,1", "rtu:/dev/ttyUSB0:9600,e,8,1"},
                          Case{"rtu:/dev/ttyS1:115200,N,7,2", "rtu:/dev/ttyS1:115200,n,7,2"},
                          Case{"rtu:COM3:300,O,8,1", "rtu:COM3:300,o,8,1"}}) {
        LinkSettings settings;
        std::string error;
        ASSERT_TRUE(parseLinkSettings(c.text, settings, error)) << c.text << ": " << error;
        EXPECT_EQ(linkSettingsText(settings), c.back);
    }
    LinkSettings settings;
    settings.timeoutMs = 80;
    std::string error;
    ASSERT_TRUE(parseLinkSettings("rtu:/dev/ttyUSB0:19200,e,7,2", settings, error));
    EXPECT_EQ(settings.kind, LinkSettings::Kind::Rtu);
    EXPECT_EQ(settings.device, "/dev/ttyUSB0");
    EXPECT_EQ(settings.baud, 19200);
    EXPECT_EQ(settings.parity, 'E');
    EXPECT_EQ(settings.dataBits, 7);
    EXPECT_EQ(settings.stopBits, 2);
    EXPECT_EQ(settings.timeoutMs, 80); // not part of the text
}

TEST(LinkSettings, RefusalsNameTheFault) {
    struct Case {
        const char* text;
        const char* says;
    };
    for (const Case& c :
         {Case{"", "A PLC line is tcp://HOST:PORT"}, Case{"udp://1.2.3.4:502", "A PLC line is"},
          Case{"tcp://127.0.0.1", "has no port"}, Case{"tcp://:502", "has no host"},
          Case{"tcp://127.0.0.1:0", "The TCP port must be 1 to 65535, not \"0\""},
          Case{"tcp://127.0.0.1:65536", "not \"65536\""},
          Case{"tcp://127.0.0.1:50x", "not \"50x\""},
          Case{"rtu:/dev/ttyUSB0", "needs a port and its settings"},
          Case{"rtu::9600,e,8,1", "needs a port and its settings"},
          Case{"rtu:/dev/ttyUSB0:9600,x,8,1", "The serial settings must be"},
          Case{"rtu:/dev/ttyUSB0:9600,e,8,3", "The serial settings must be"},
          Case{"rtu:/dev/ttyUSB0:9600,e,8", "The serial settings must be"},
          Case{"rtu:/dev/ttyUSB0:-9600,e,8,1", "The serial settings must be"},
          Case{"rtu:/dev/ttyUSB0:14400,e,8,1", "not 14400"},
          Case{"rtu:/dev/ttyUSB0:9600,e,6,1", "7 or 8 data bits, not 6"}}) {
        LinkSettings settings;
        settings.host = "unchanged";
        std::string error;
        EXPECT_FALSE(parseLinkSettings(c.text, settings, error)) << c.text;
        EXPECT_NE(error.find(c.says), std::string::npos) << c.text << ": " << error;
        EXPECT_EQ(settings.host, "unchanged") << c.text;
    }
}
