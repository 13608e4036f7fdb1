// The expected contents of Nadeo.ini.
#include "tests/e2e/expected_config.h"

#include "tests/support/bytes.h"

std::string InitialTemplate() {
    const std::string placeholder = Cp936("路径");
    return ";;;;;;;;;;;\r\n"
           "; WARNING ;\r\n"
           ";;;;;;;;;;;\r\n"
           "; In order to avoid any misfunctioning do no edit this file !\r\n"
           "\r\n"
           "[ManiaPlanet]\r\n"
           "WindowTitle=ManiaPlanet\r\n"
           "Distro=ABEBA\r\n"
           "Language=zh\r\n"
           "UserDir=" + placeholder + "\\Data\r\n"
           "CommonDir=" + placeholder + "\\Cache\r\n";
}

std::string FilledIn(std::string text, const std::string& directory) {
    const std::string placeholder = Cp936("路径");
    for (std::size_t at = text.find(placeholder); at != std::string::npos;
         at = text.find(placeholder, at + directory.size()))
        text.replace(at, placeholder.size(), directory);
    return text;
}
