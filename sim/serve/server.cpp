#include "sim/serve/server.h"

#include "sim/serve/replies.h"
#include "sim/serve/request_guard.h"
#include "sim/serve/routes.h"

#include <httplib.h>

#include <csignal>
#include <pthread.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <thread>

namespace sim::serve {

namespace {

constexpr int kUsageError = 2;
constexpr const char* kLoopback = "127.0.0.1";
// Touches and console lines are small; anything bigger is not from the page.
constexpr std::size_t kLargestBody = 64 * 1024;

std::optional<std::string> header(const httplib::Request& request, const char* name)
{
    if (!request.has_header(name)) {
        return std::nullopt;
    }
    return request.get_header_value(name);
}

void guard(httplib::Server& server, const int& port)
{
    server.set_pre_routing_handler([&port](const httplib::Request& request, httplib::Response& response) {
        RequestHeaders headers{request.method, header(request, "Host"), header(request, "Origin"),
                               header(request, "Content-Type")};
        if (auto refused = refusal(headers, port)) {
            replyError(response, refused->status, refused->message);
            return httplib::Server::HandlerResponse::Handled;
        }
        return httplib::Server::HandlerResponse::Unhandled;
    });
    server.set_exception_handler([](const httplib::Request&, httplib::Response& response, std::exception_ptr error) {
        std::string message = "the request failed";
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& failure) {
            message += ": " + std::string(failure.what());
        } catch (...) {
        }
        replyError(response, 500, message);
    });
    server.set_error_handler([](const httplib::Request& request, httplib::Response& response) {
        if (response.body.empty()) {
            replyError(response, response.status,
                       response.status == 404 ? "nothing is at " + request.path : "the request was refused");
        }
    });
    server.set_default_headers({{"Cache-Control", "no-store"},
                                {"X-Content-Type-Options", "nosniff"},
                                {"X-Frame-Options", "DENY"},
                                {"Content-Security-Policy",
                                 "default-src 'self'; img-src 'self' blob:; frame-ancestors 'none'"}});
    server.set_payload_max_length(kLargestBody);
}

}  // namespace

Server::Server(Options options, std::optional<std::filesystem::path> dataFolder)
    : m_options(std::move(options)), m_dataFolder(std::move(dataFolder)), m_http(std::make_unique<httplib::Server>())
{
}

Server::~Server()
{
    stop();
    m_http.reset();
    m_device.reset();
}

std::optional<std::string> Server::start(std::ostream& err)
{
    // The library's default shares the port with any other socket that asks (SO_REUSEPORT), which
    // would let another program take over the device's requests; only a port left in TIME_WAIT by
    // an earlier run may be taken again.
    m_http->set_socket_options([](socket_t socket) {
        int yes = 1;
        ::setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
    });
    int wanted = m_options.serve ? m_options.serve->port : ServeOptions::kDefaultPort;
    m_port = wanted == 0 ? m_http->bind_to_any_port(kLoopback) : (m_http->bind_to_port(kLoopback, wanted) ? wanted : -1);
    if (m_port <= 0) {
        return std::string(kLoopback) + ":" + std::to_string(wanted)
               + " cannot be listened on (is the port in use?); choose another with --port N, or --port 0 for a "
                 "free one";
    }
    m_device = std::make_unique<DeviceThread>(std::make_unique<DeviceSession>(m_options, m_dataFolder), m_frames);
    auto error = m_device->start();
    err << m_device->call(Screen::Still, [](DeviceSession& session) { return session.takeOutput(); });
    if (error) {
        return error;
    }
    guard(*m_http, m_port);
    addViewRoutes(*m_http, *m_device, m_frames);
    addActionRoutes(*m_http, *m_device);
    return std::nullopt;
}

std::string Server::url() const
{
    return "http://" + std::string(kLoopback) + ":" + std::to_string(m_port) + "/";
}

void Server::run()
{
    m_http->listen_after_bind();
}

void Server::stop()
{
    m_frames.close();
    m_http->stop();
}

int serve(const Options& options, const std::optional<std::filesystem::path>& dataFolder, std::ostream& out,
          std::ostream& err)
{
    // Every thread started from here on leaves these signals to the one that waits for them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    std::signal(SIGPIPE, SIG_IGN);

    Server server(options, dataFolder);
    if (auto error = server.start(err)) {
        err << "velmora-sim: " << *error << "\n";
        return kUsageError;
    }
    out << "Velmora simulator at " << server.url() << " (" << options.device << "); Ctrl-C stops it" << std::endl;

    std::atomic<bool> signalled = false;
    std::thread waiter([&] {
        int signal = 0;
        sigwait(&stopSignals, &signal);
        signalled = true;
        server.stop();
    });
    server.run();
    if (!signalled) {
        ::kill(::getpid(), SIGTERM);
    }
    waiter.join();
    return 0;
}

}  // namespace sim::serve
