#pragma once

#include <string>

namespace sim {

// The exit status a command leads to, with the simulator's documented values.
enum class Status { Ok = 0, ExpectationFailed = 1, Error = 2 };

struct CommandResult {
    Status status = Status::Ok;
    std::string message;

    static CommandResult ok() { return {}; }
    static CommandResult error(std::string message) { return {Status::Error, std::move(message)}; }
    static CommandResult expectationFailed(std::string message)
    {
        return {Status::ExpectationFailed, std::move(message)};
    }
};

}  // namespace sim
