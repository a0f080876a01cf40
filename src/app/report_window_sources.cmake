# The analysis window, printing and the full report's destinations.
target_sources(kestrova_app_lib PRIVATE
)
