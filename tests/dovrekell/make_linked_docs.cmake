# The documentation folder of the scan's link test, made on the host so its
# links are the file system's own (the tests under Wine cannot make them):
#   cmake -DBASE=<folder> -P make_linked_docs.cmake
# BASE/docs holds api/linked, a link to BASE/shared outside the folder, and
# specs/parent, a link back to docs; BASE/shared holds back, a link back up
# to docs/api, the folder that links to it.
file(REMOVE_RECURSE ${BASE})
foreach(page docs/index.html docs/api/Object.html docs/api/package-list docs/specs/intro.html
             shared/Linked.html shared/notes.txt shared/deep/Deep.html)
  file(WRITE ${BASE}/${page} "x")
endforeach()
file(CREATE_LINK ../../shared ${BASE}/docs/api/linked SYMBOLIC)
file(CREATE_LINK .. ${BASE}/docs/specs/parent SYMBOLIC)
file(CREATE_LINK ../docs/api ${BASE}/shared/back SYMBOLIC)
