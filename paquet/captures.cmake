# Takes the documentation's screenshots: the built game driven by a robot script, in a scratch score
# folder, on a fixed seed (cmake -DPROGRAMME=... -DSCRIPT=... -DDOSSIER=... -P captures.cmake).
file(REMOVE_RECURSE ${DOSSIER})
file(MAKE_DIRECTORY ${DOSSIER}/scores)
set(ENV{SDL_VIDEODRIVER} dummy)
set(ENV{SDL_AUDIODRIVER} dummy)
# A sanitizer build must not fail the build over what SDL keeps until exit.
set(ENV{ASAN_OPTIONS} detect_leaks=0)
execute_process(COMMAND ${PROGRAMME} --robot ${SCRIPT} --graine 7 --dossier-scores ${DOSSIER}/scores
                WORKING_DIRECTORY ${DOSSIER} RESULT_VARIABLE code OUTPUT_QUIET ERROR_VARIABLE erreurs)
file(REMOVE_RECURSE ${DOSSIER}/scores)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "captures: le jeu a rendu ${code}\n${erreurs}")
endif()
