#include "monkey/monkey_run.h"
#include "monkey/options.h"

#include <iostream>

int main(int argc, char** argv)
{
    auto parsed = monkey::parseOptions(argc, argv, std::cout, std::cerr);
    if (auto* status = std::get_if<int>(&parsed)) {
        return *status;
    }
    return monkey::runMonkey(std::get<monkey::Options>(parsed), std::cout, std::cerr);
}
