#include "support/FakeServices.h"

FakeServices::FakeServices()
{
    m_services.clock = &clock;
    m_services.screen = &screen;
    m_services.messages = &messages;
    m_services.shell = &shell;
    m_services.sound = &sound;
    m_services.folders = &folders;
    m_services.end = &end;
}
