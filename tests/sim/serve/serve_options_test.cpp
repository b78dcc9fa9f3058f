#include "sim/options.h"
#include "sim/serve/server.h"
#include "tests/support/temp_root.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

using testing::HasSubstr;

namespace {

std::variant<sim::Options, int> parse(std::vector<const char*> arguments, std::string* errors = nullptr)
{
    arguments.insert(arguments.begin(), "velmora-sim");
    std::ostringstream out;
    std::ostringstream err;
    auto parsed = sim::parseOptions(static_cast<int>(arguments.size()), arguments.data(), out, err);
    if (errors) {
        *errors = err.str();
    }
    return parsed;
}

TEST(ServeOptions, ServeTakesAPortAndTheDeviceOptionsOnEitherSide)
{
    auto plain = std::get<sim::Options>(parse({"serve"}));
    auto chosen = std::get<sim::Options>(parse({"--device", "tablet", "serve", "--port", "0", "--reset"}));

    ASSERT_TRUE(plain.serve);
    EXPECT_EQ(plain.serve->port, sim::ServeOptions::kDefaultPort);
    ASSERT_TRUE(chosen.serve);
    EXPECT_EQ(chosen.serve->port, 0);
    EXPECT_EQ(chosen.device, "tablet");
    EXPECT_TRUE(chosen.reset);
    EXPECT_FALSE(std::get<sim::Options>(parse({"-c", "show"})).serve);
}

TEST(ServeOptions, ServeWithAScriptOrAnImpossiblePortIsAUsageError)
{
    std::string errors;
    EXPECT_EQ(std::get<int>(parse({"serve", "--port", "70000"}, &errors)), 2);
    EXPECT_THAT(errors, HasSubstr("--port"));
    EXPECT_EQ(std::get<int>(parse({"-c", "show", "serve"})), 2);
}

TEST(ServeOptions, APortInUseIsOneClearError)
{
    testing_support::TempRoot root;
    sim::Options options;
    options.root = root.path() / "device";
    options.serve = sim::ServeOptions{0};
    sim::serve::Server first(options, std::nullopt);
    std::ostringstream warnings;
    ASSERT_FALSE(first.start(warnings));

    options.serve->port = first.port();
    sim::serve::Server second(options, std::nullopt);
    auto error = second.start(warnings);

    ASSERT_TRUE(error);
    EXPECT_THAT(*error, HasSubstr("127.0.0.1:" + std::to_string(first.port()) + " cannot be listened on"));
}

}  // namespace
