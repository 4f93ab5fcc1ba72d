// SPDX-License-Identifier: GPL-3.0-or-later
// A minimal Wayland compositor for tests: it offers wl_seat and (unless started with --no-idle-notifier)
// ext_idle_notifier_v1, and sends idled/resumed to every idle notification when told so on stdin:
//   idled | resumed | quit
// It prints "ready <socket name>" once clients can connect, and "notification <timeout>" for each
// notification a client creates.

#include "ext-idle-notify-v1-server-protocol.h"

#include <wayland-server.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

// In C++ the protocol's interface variables hide the implementation structs of the same name,
// hence the elaborated "struct" below.

namespace {

wl_display* g_display = nullptr;
std::vector<wl_resource*> g_notifications;

void destroyResource(wl_client*, wl_resource* resource)
{
    wl_resource_destroy(resource);
}

void forgetNotification(wl_resource* resource)
{
    std::erase(g_notifications, resource);
}

const struct ext_idle_notification_v1_interface kNotification = {destroyResource};

void getIdleNotification(wl_client* client, wl_resource*, uint32_t id, uint32_t timeout, wl_resource*)
{
    wl_resource* resource = wl_resource_create(client, &ext_idle_notification_v1_interface, 1, id);
    wl_resource_set_implementation(resource, &kNotification, nullptr, forgetNotification);
    g_notifications.push_back(resource);
    std::printf("notification %u\n", timeout);
    std::fflush(stdout);
}

const struct ext_idle_notifier_v1_interface kNotifier = {destroyResource, getIdleNotification};

void bindNotifier(wl_client* client, void*, uint32_t version, uint32_t id)
{
    wl_resource* resource = wl_resource_create(client, &ext_idle_notifier_v1_interface, static_cast<int>(version), id);
    wl_resource_set_implementation(resource, &kNotifier, nullptr, nullptr);
}

void noDevice(wl_client*, wl_resource*, uint32_t) {}

const struct wl_seat_interface kSeat = {noDevice, noDevice, noDevice, destroyResource};

void bindSeat(wl_client* client, void*, uint32_t version, uint32_t id)
{
    wl_resource* resource = wl_resource_create(client, &wl_seat_interface, static_cast<int>(version), id);
    wl_resource_set_implementation(resource, &kSeat, nullptr, nullptr);
    wl_seat_send_capabilities(resource, WL_SEAT_CAPABILITY_POINTER | WL_SEAT_CAPABILITY_KEYBOARD);
}

int onCommand(int fd, uint32_t, void*)
{
    char buffer[256];
    const ssize_t size = ::read(fd, buffer, sizeof(buffer) - 1);
    if (size <= 0) {
        wl_display_terminate(g_display);
        return 0;
    }
    buffer[size] = '\0';
    for (const char* line = std::strtok(buffer, "\n"); line; line = std::strtok(nullptr, "\n")) {
        const std::string command(line);
        for (wl_resource* notification : g_notifications) {
            if (command == "idled") {
                ext_idle_notification_v1_send_idled(notification);
            } else if (command == "resumed") {
                ext_idle_notification_v1_send_resumed(notification);
            }
        }
    }
    wl_display_flush_clients(g_display);
    return 0;
}

} // namespace

int main()
{
    g_display = wl_display_create();
    const char* socket = wl_display_add_socket_auto(g_display);
    if (!socket) {
        std::fprintf(stderr, "fake compositor: no socket (is XDG_RUNTIME_DIR set?)\n");
        return 1;
    }
    wl_global_create(g_display, &wl_seat_interface, 1, nullptr, bindSeat);
    wl_global_create(g_display, &ext_idle_notifier_v1_interface, 1, nullptr, bindNotifier);
    wl_event_loop_add_fd(wl_display_get_event_loop(g_display), STDIN_FILENO, WL_EVENT_READABLE, onCommand, nullptr);
    std::printf("ready %s\n", socket);
    std::fflush(stdout);
    wl_display_run(g_display);
    wl_display_destroy(g_display);
    return 0;
}
