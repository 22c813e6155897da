// Fixed resource numbers of the player.
#pragma once
