// The player's classes reach the running program through its application
// object (the project settings, the count of page loads), so the player's
// tests run under a CPlayerApp instead of the shared test application.
#include "player/PlayerApp.h"

#include <gtest/gtest.h>

namespace {

class PlayerAppEnvironment : public ::testing::Environment
{
public:
    void SetUp() override { m_pApp = new CPlayerApp; }
    void TearDown() override
    {
        delete m_pApp;
        m_pApp = nullptr;
    }

private:
    CPlayerApp* m_pApp = nullptr;
};

::testing::Environment* const thePlayerApp = ::testing::AddGlobalTestEnvironment(new PlayerAppEnvironment);

} // namespace
