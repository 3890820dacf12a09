#pragma once

class MediaRoutes;
class ProjectionStore;

// The routes the DeoVR and HereSphere players browse the library with
// (/deovr, /heresphere and their /{id}), and the web page's /projections.
// Added after the headset's routes, which they never change.
namespace PlayerRoutes {

// store: where projections are looked up; the program's shared store when null.
void install(MediaRoutes &routes, ProjectionStore *store = nullptr);

} // namespace PlayerRoutes
